#pragma once

// The way back over what replaced or changed the series: each step keeps the series
// before and after it, under the name of what made it ("Aleatoire", "<<"), so that
// undoing and redoing give back exactly what was shown.

#include <QString>
#include <QStringList>

#include <vector>

namespace core {

// The series as shown: List1's items and the second list's box.
struct Instantane {
    QStringList liste1;
    QString texteListe2;
    bool operator==(const Instantane&) const = default;
};

class Historique {
public:
    // At least this many steps are kept; older ones go first.
    static constexpr int kEtapes = 100;

    // A step that changed nothing is not kept; a new step drops what could be redone.
    void noter(const QString& nom, Instantane avant, Instantane apres);
    bool peutAnnuler() const { return curseur_ > 0; }
    bool peutRetablir() const { return curseur_ < etapes_.size(); }
    // The name of the step that would be undone, or redone.
    QString aAnnuler() const;
    QString aRetablir() const;
    // The series to show back; only when it can.
    const Instantane& annuler();
    const Instantane& retablir();
    int etapes() const { return int(etapes_.size()); }

private:
    struct Etape {
        QString nom;
        Instantane avant, apres;
    };
    std::vector<Etape> etapes_;
    size_t curseur_ = 0;  // steps before it are done, from it on undone
};

// "Annuler « Aleatoire »", or "Annuler" when there is nothing to undo.
QString texteAnnuler(const Historique& h);
QString texteRetablir(const Historique& h);

}  // namespace core
