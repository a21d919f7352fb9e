// The menu bar above the window's controls: the series in and out of files and the
// clipboard, the chart out to files, paper and the clipboard, the parameters window,
// the exercises to practise on, and the About box. No shortcut takes a key the text boxes use
// (Ctrl+C, V, X, Z, A stay with them).

#include "core/individuals/examples.h"
#include "main_window/statistique.h"
#include "ui/guarded.h"
#include "ui/message_box.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

QMenu* menu(QMenuBar* bar, const QString& title, const char* name) {
    QMenu* m = bar->addMenu(title);
    m->setObjectName(QString::fromLatin1(name));
    m->setAccessibleName(QString(title).remove(u'&'));
    return m;
}

}  // namespace

void statistique::createMenuBar() {
    const auto item = [this](QMenu* m, const QString& text, const char* name,
                             const QKeySequence& keys, void (statistique::*handler)()) {
        QAction* action = m->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                ui::guarded([this, handler] { (this->*handler)(); }));
        return action;
    };
    using Keys = QKeySequence;
    QMenu* fichier = menu(menuBar(), QStringLiteral("&Fichier"), "mnuFichier");
    mnuOuvrir = item(fichier, QStringLiteral("&Ouvrir une série…"), "mnuOuvrir",
                     Keys(Qt::CTRL | Qt::Key_O), &statistique::mnuOuvrir_Click);
    mnuEnregistrer = item(fichier, QStringLiteral("&Enregistrer la série"), "mnuEnregistrer",
                          Keys(Qt::CTRL | Qt::Key_S), &statistique::mnuEnregistrer_Click);
    mnuEnregistrerSous =
        item(fichier, QStringLiteral("Enregistrer la série &sous…"), "mnuEnregistrerSous",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &statistique::mnuEnregistrerSous_Click);
    item(fichier, QStringLiteral("Ouvrir un &fichier d'individus…"), "mnuIndividus", Keys(),
         &statistique::mnuIndividus_Click);
    QMenu* exemples = fichier->addMenu(QStringLiteral("Exe&mples"));
    exemples->setObjectName(QStringLiteral("mnuExemples"));
    connect(exemples, &QMenu::aboutToShow, this, [this, exemples] {
        exemples->clear();
        for (const QString& path : core::individuals::exampleFiles())
            connect(exemples->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                    [this, path] { emit individualsFileRequested(path); });
        if (exemples->isEmpty()) exemples->addAction(QStringLiteral("(aucun)"))->setEnabled(false);
    });
    mnuRecents = fichier->addMenu(QStringLiteral("Séries &récentes"));
    mnuRecents->setObjectName(QStringLiteral("mnuRecents"));
    connect(mnuRecents, &QMenu::aboutToShow, this, ui::guarded([this] { mnuRecents_Show(); }));
    fichier->addSeparator();
    mnuExporter = item(fichier, QStringLiteral("E&xporter le graphique…"), "mnuExporter",
                       Keys(Qt::CTRL | Qt::Key_E), &statistique::mnuExporter_Click);
    mnuImprimer = item(fichier, QStringLiteral("&Imprimer le graphique…"), "mnuImprimer",
                       Keys(Qt::CTRL | Qt::Key_P), &statistique::mnuImprimer_Click);
    fichier->addSeparator();
    mnuQuitter = item(fichier, QStringLiteral("&Quitter"), "mnuQuitter", Keys(Qt::CTRL | Qt::Key_Q),
                      &statistique::mnuQuitter_Click);

    QMenu* edition = menu(menuBar(), QStringLiteral("É&dition"), "mnuEdition");
    // A text box with the focus keeps Ctrl+Z for its own text: it takes the key first.
    mnuAnnuler = item(edition, QStringLiteral("&Annuler"), "mnuAnnuler", Keys(Qt::CTRL | Qt::Key_Z),
                      &statistique::mnuAnnuler_Click);
    mnuRetablir = item(edition, QStringLiteral("&Rétablir"), "mnuRetablir",
                       Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &statistique::mnuRetablir_Click);
    montrerAnnulation();
    edition->addSeparator();
    mnuCopierSerie =
        item(edition, QStringLiteral("&Copier la série"), "mnuCopierSerie",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &statistique::mnuCopierSerie_Click);
    mnuCollerSerie =
        item(edition, QStringLiteral("C&oller une série"), "mnuCollerSerie",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &statistique::mnuCollerSerie_Click);
    mnuCopierGraphique =
        item(edition, QStringLiteral("Copier le &graphique"), "mnuCopierGraphique",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &statistique::mnuCopierGraphique_Click);
    // Nothing to take out of an empty chart area.
    for (QAction* sortie : {mnuExporter, mnuImprimer, mnuCopierGraphique}) {
        sortie->setEnabled(false);
        connect(Picture1, &ui::PictureBox::drawnChanged, sortie, &QAction::setEnabled);
    }

    QMenu* statistiques = menu(menuBar(), QStringLiteral("&Statistiques"), "mnuStatistiques");
    mnuParametres = item(statistiques, QStringLiteral("&Paramètres de la série…"), "mnuParametres",
                         Keys(Qt::CTRL | Qt::Key_R), &statistique::mnuParametres_Click);
    mnuTableau = item(statistiques, QStringLiteral("&Tableau d'effectifs…"), "mnuTableau",
                      Keys(Qt::CTRL | Qt::Key_T), &statistique::mnuTableau_Click);
    mnuSimulation = item(statistiques, QStringLiteral("&Simulation d'échantillons…"),
                         "mnuSimulation", Keys(), &statistique::simulationRequested);
    item(statistiques, QStringLiteral("&Deux variables…"), "mnuDeuxVariables", Keys(),
         &statistique::mnuDeuxVariables_Click);

    QMenu* exercices = menu(menuBar(), QStringLiteral("E&xercices"), "mnuMenuExercices");
    mnuExercices = item(exercices, QStringLiteral("S'&entraîner…"), "mnuExercices",
                        Keys(Qt::CTRL | Qt::Key_J), &statistique::mnuExercices_Click);
    mnuFeuilles = item(exercices, QStringLiteral("&Feuilles pour la classe…"), "mnuFeuilles",
                       Keys(), &statistique::sheetsRequested);
    exercices->addSeparator();
    item(exercices, QStringLiteral("&Nouvel exercice…"), "mnuNouvelExercice", Keys(),
         &statistique::newExerciseRequested);
    item(exercices, QStringLiteral("&Modifier l'exercice…"), "mnuModifierExercice", Keys(),
         &statistique::editExerciseRequested);
    item(exercices, QStringLiteral("E&xporter pour Moodle…"), "mnuMoodle", Keys(),
         &statistique::moodleRequested);

    QMenu* aide = menu(menuBar(), QStringLiteral("&Aide"), "mnuAide");
    mnuAPropos = item(aide, QStringLiteral("À &propos de Statistique"), "mnuAPropos", Keys(),
                      &statistique::mnuAPropos_Click);
}

void statistique::mnuAPropos_Click() {
    ui::messageBox(
        u"Statistique %1\n\n"
        "Un petit programme pour apprendre la statistique descriptive : une série, "
        "ses paramètres et ses graphiques.\n\n"
        "Logiciel libre, sous licence GNU GPL version 3 ou ultérieure."_s.arg(
            QStringLiteral(STATISTIQUE_VERSION)),
        u"À propos de Statistique"_s);
}
