#include "core/recovery_state.h"

#include "core/atomic_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
namespace {

constexpr int kVersion = 1;
const QString kPrefixe = u"etat-"_s;

QJsonArray textes(const QStringList& l) {
    return QJsonArray::fromStringList(l);
}

std::optional<QStringList> textesDe(const QJsonValue& v) {
    if (!v.isArray()) return std::nullopt;
    QStringList l;
    for (const QJsonValue& t : v.toArray()) {
        if (!t.isString()) return std::nullopt;
        l << t.toString();
    }
    return l;
}

}  // namespace

QByteArray ecrireEtat(const WorkState& etat) {
    QJsonObject o{{u"statistique"_s, kVersion},
                  {u"serie1"_s, textes(etat.serie.first)},
                  {u"serie2"_s, textes(etat.serie.second)},
                  {u"liste2"_s, etat.texteListe2},
                  {u"fichier"_s, etat.fichier},
                  {u"enregistre"_s, etat.enregistre}};
    if (etat.tableau) {
        QJsonArray lignes;
        for (const FrequencyTable::Ligne& l : etat.tableau->lignes)
            lignes.append(textes({l.valeur, l.inferieure, l.superieure, l.effectif}));
        o.insert(u"tableau"_s, QJsonObject{{u"classes"_s, etat.tableau->nature ==
                                                              FrequencyTable::Nature::Classes},
                                           {u"fermeADroite"_s, etat.tableau->fermeADroite},
                                           {u"lignes"_s, lignes},
                                           {u"fichier"_s, etat.fichierTableau},
                                           {u"enregistre"_s, etat.tableauEnregistre}});
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<WorkState> lireEtat(const QByteArray& octets) {
    const QJsonDocument doc = QJsonDocument::fromJson(octets);
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(u"statistique"_s).toInt() != kVersion) return std::nullopt;
    WorkState etat;
    const auto un = textesDe(o.value(u"serie1"_s)), deux = textesDe(o.value(u"serie2"_s));
    if (!un || !deux || un->size() > kMostValues || !o.value(u"fichier"_s).isString() ||
        !o.value(u"enregistre"_s).isBool())
        return std::nullopt;
    etat.serie = {*un, *deux};
    if (!o.value(u"liste2"_s).isString()) return std::nullopt;
    etat.texteListe2 = o.value(u"liste2"_s).toString();
    etat.fichier = o.value(u"fichier"_s).toString();
    etat.enregistre = o.value(u"enregistre"_s).toBool();
    if (o.contains(u"tableau"_s)) {
        const QJsonObject t = o.value(u"tableau"_s).toObject();
        FrequencyTable tableau;
        tableau.nature = t.value(u"classes"_s).toBool() ? FrequencyTable::Nature::Classes
                                                        : FrequencyTable::Nature::Valeurs;
        tableau.fermeADroite = t.value(u"fermeADroite"_s).toBool(true);
        if (!t.value(u"lignes"_s).isArray()) return std::nullopt;
        for (const QJsonValue& l : t.value(u"lignes"_s).toArray()) {
            const auto cellules = textesDe(l);
            if (!cellules || cellules->size() != 4) return std::nullopt;
            tableau.lignes.push_back(
                {(*cellules)[0], (*cellules)[1], (*cellules)[2], (*cellules)[3]});
        }
        etat.tableau = std::move(tableau);
        etat.fichierTableau = t.value(u"fichier"_s).toString();
        etat.tableauEnregistre = t.value(u"enregistre"_s).toBool(true);
    }
    return etat;
}

Recovery::Recovery(const QString& dossier) : dossier_(dossier) {
    ecrivain_.setMaxThreadCount(1);  // one write after the other, in order
    if (!QDir().mkpath(dossier_)) return;
    // The process, when it started keeping, and which keeper of it: never another's.
    static int gardiens = 0;
    id_ = QString::number(QCoreApplication::applicationPid()) + u'-' +
          QString::number(QDateTime::currentMSecsSinceEpoch()) + u'-' + QString::number(++gardiens);
    auto verrou = std::make_unique<QLockFile>(verrouDe(chemin()));
    verrou->setStaleLockTime(0);  // held as long as the program runs
    if (verrou->tryLock(0)) verrou_ = std::move(verrou);
}

Recovery::~Recovery() {
    attendre();
}

QString Recovery::chemin() const {
    return dossier_ + u'/' + kPrefixe + id_ + u".json"_s;
}

QString Recovery::verrouDe(const QString& etat) const {
    QString v = etat;
    v.chop(5);  // ".json"
    return v + u".lock"_s;
}

void Recovery::enregistrer(WorkState etat) {
    if (!verrou_) return;
    ecrivain_.start([chemin = chemin(), etat = std::move(etat)] {
        const QByteArray octets = ecrireEtat(etat);
        saveAtomically(chemin,
                       [&](QIODevice& fichier) { return fichier.write(octets) == octets.size(); });
    });
}

void Recovery::attendre() {
    ecrivain_.waitForDone();
}

void Recovery::terminer() {
    attendre();
    if (!verrou_) return;
    QFile::remove(chemin());
    verrou_->unlock();
    verrou_.reset();
}

QStringList Recovery::abandonnes() {
    QDir d(dossier_);
    // A program that stopped before it had anything to keep left only its lock.
    for (const QFileInfo& f : d.entryInfoList({kPrefixe + u"*.lock"_s}, QDir::Files)) {
        QString etat = f.absoluteFilePath();
        etat.chop(5);
        etat += u".json"_s;
        if (QFile::exists(etat) || f.absoluteFilePath() == verrouDe(chemin())) continue;
        QLockFile seul(f.absoluteFilePath());
        seul.setStaleLockTime(0);
        if (seul.tryLock(0)) seul.unlock();
    }
    QFileInfoList etats =
        d.entryInfoList({kPrefixe + u"*.json"_s}, QDir::Files, QDir::Time);  // newest first
    QStringList trouves;
    for (const QFileInfo& f : etats) {
        const QString etat = f.absoluteFilePath();
        if (etat == QFileInfo(chemin()).absoluteFilePath()) continue;
        if (std::any_of(pris_.begin(), pris_.end(), [&](auto& p) { return p.first == etat; })) {
            trouves << etat;
            continue;
        }
        // Its program still holds its lock while it runs: that state is not ours.
        auto verrou = std::make_unique<QLockFile>(verrouDe(etat));
        verrou->setStaleLockTime(0);
        if (!verrou->tryLock(0)) continue;
        pris_.emplace_back(etat, std::move(verrou));
        trouves << etat;
    }
    return trouves;
}

void Recovery::oublier(const QString& etat) {
    QFile::remove(etat);
    pris_.erase(
        std::remove_if(pris_.begin(), pris_.end(), [&](auto& p) { return p.first == etat; }),
        pris_.end());
}

QString Recovery::mettreDeCote(const QString& etat) {
    QString nouveau = etat;
    nouveau.chop(5);
    nouveau += u".endommage"_s;
    for (int i = 2; QFile::exists(nouveau); ++i) {
        nouveau = etat;
        nouveau.chop(5);
        nouveau += u".endommage-"_s + QString::number(i);
    }
    QFile::rename(etat, nouveau);
    oublier(etat);
    return nouveau;
}

}  // namespace core
