#include "core/history.h"

using namespace Qt::StringLiterals;

namespace core {

void Historique::noter(const QString& nom, Instantane avant, Instantane apres) {
    if (avant == apres) return;
    etapes_.erase(etapes_.begin() + qsizetype(curseur_), etapes_.end());
    etapes_.push_back({nom, std::move(avant), std::move(apres)});
    if (etapes_.size() > size_t(kEtapes)) etapes_.erase(etapes_.begin());
    curseur_ = etapes_.size();
}

QString Historique::aAnnuler() const {
    return peutAnnuler() ? etapes_[curseur_ - 1].nom : QString();
}

QString Historique::aRetablir() const {
    return peutRetablir() ? etapes_[curseur_].nom : QString();
}

const Instantane& Historique::annuler() {
    return etapes_[--curseur_].avant;
}

const Instantane& Historique::retablir() {
    return etapes_[curseur_++].apres;
}

QString texteAnnuler(const Historique& h) {
    return h.peutAnnuler() ? u"&Annuler « %1 »"_s.arg(h.aAnnuler()) : u"&Annuler"_s;
}

QString texteRetablir(const Historique& h) {
    return h.peutRetablir() ? u"&Rétablir « %1 »"_s.arg(h.aRetablir()) : u"&Rétablir"_s;
}

}  // namespace core
