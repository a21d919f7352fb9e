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
    QMenu* file = menu(menuBar(), QStringLiteral("&Fichier"), "mnuFichier");
    mnuOuvrir = item(file, QStringLiteral("&Ouvrir une série…"), "mnuOuvrir",
                     Keys(Qt::CTRL | Qt::Key_O), &statistique::mnuOuvrir_Click);
    mnuEnregistrer = item(file, QStringLiteral("&Enregistrer la série"), "mnuEnregistrer",
                          Keys(Qt::CTRL | Qt::Key_S), &statistique::mnuEnregistrer_Click);
    mnuEnregistrerSous =
        item(file, QStringLiteral("Enregistrer la série &sous…"), "mnuEnregistrerSous",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &statistique::mnuEnregistrerSous_Click);
    item(file, QStringLiteral("Ouvrir un &fichier d'individus…"), "mnuIndividus", Keys(),
         &statistique::mnuIndividus_Click);
    QMenu* examplesMenu = file->addMenu(QStringLiteral("Exe&mples"));
    examplesMenu->setObjectName(QStringLiteral("mnuExemples"));
    connect(examplesMenu, &QMenu::aboutToShow, this, [this, examplesMenu] {
        examplesMenu->clear();
        for (const QString& path : core::individuals::exampleFiles())
            connect(examplesMenu->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                    [this, path] { emit individualsFileRequested(path); });
        if (examplesMenu->isEmpty())
            examplesMenu->addAction(QStringLiteral("(aucun)"))->setEnabled(false);
    });
    mnuRecents = file->addMenu(QStringLiteral("Séries &récentes"));
    mnuRecents->setObjectName(QStringLiteral("mnuRecents"));
    connect(mnuRecents, &QMenu::aboutToShow, this, ui::guarded([this] { mnuRecents_Show(); }));
    file->addSeparator();
    mnuExporter = item(file, QStringLiteral("E&xporter le graphique…"), "mnuExporter",
                       Keys(Qt::CTRL | Qt::Key_E), &statistique::mnuExporter_Click);
    mnuImprimer = item(file, QStringLiteral("&Imprimer le graphique…"), "mnuImprimer",
                       Keys(Qt::CTRL | Qt::Key_P), &statistique::mnuImprimer_Click);
    file->addSeparator();
    mnuQuitter = item(file, QStringLiteral("&Quitter"), "mnuQuitter", Keys(Qt::CTRL | Qt::Key_Q),
                      &statistique::mnuQuitter_Click);

    QMenu* editMenu = menu(menuBar(), QStringLiteral("É&dition"), "mnuEdition");
    // A text box with the focus keeps Ctrl+Z for its own text: it takes the key first.
    mnuAnnuler = item(editMenu, QStringLiteral("&Annuler"), "mnuAnnuler",
                      Keys(Qt::CTRL | Qt::Key_Z), &statistique::mnuAnnuler_Click);
    mnuRetablir = item(editMenu, QStringLiteral("&Rétablir"), "mnuRetablir",
                       Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &statistique::mnuRetablir_Click);
    displayUndo();
    editMenu->addSeparator();
    mnuCopierSerie =
        item(editMenu, QStringLiteral("&Copier la série"), "mnuCopierSerie",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &statistique::mnuCopierSerie_Click);
    mnuCollerSerie =
        item(editMenu, QStringLiteral("C&oller une série"), "mnuCollerSerie",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &statistique::mnuCollerSerie_Click);
    mnuCopierGraphique =
        item(editMenu, QStringLiteral("Copier le &graphique"), "mnuCopierGraphique",
             Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &statistique::mnuCopierGraphique_Click);
    // Nothing to take out of an empty chart area.
    for (QAction* output : {mnuExporter, mnuImprimer, mnuCopierGraphique}) {
        output->setEnabled(false);
        connect(Picture1, &ui::PictureBox::drawnChanged, output, &QAction::setEnabled);
    }

    QMenu* statisticsMenu = menu(menuBar(), QStringLiteral("&Statistiques"), "mnuStatistiques");
    mnuParametres =
        item(statisticsMenu, QStringLiteral("&Paramètres de la série…"), "mnuParametres",
             Keys(Qt::CTRL | Qt::Key_R), &statistique::mnuParametres_Click);
    mnuTableau = item(statisticsMenu, QStringLiteral("&Tableau d'effectifs…"), "mnuTableau",
                      Keys(Qt::CTRL | Qt::Key_T), &statistique::mnuTableau_Click);
    mnuSimulation = item(statisticsMenu, QStringLiteral("&Simulation d'échantillons…"),
                         "mnuSimulation", Keys(), &statistique::simulationRequested);
    item(statisticsMenu, QStringLiteral("&Deux variables…"), "mnuDeuxVariables", Keys(),
         &statistique::mnuDeuxVariables_Click);

    QMenu* exercises = menu(menuBar(), QStringLiteral("E&xercices"), "mnuMenuExercices");
    mnuExercices = item(exercises, QStringLiteral("S'&entraîner…"), "mnuExercices",
                        Keys(Qt::CTRL | Qt::Key_J), &statistique::mnuExercices_Click);
    mnuFeuilles = item(exercises, QStringLiteral("&Feuilles pour la classe…"), "mnuFeuilles",
                       Keys(), &statistique::sheetsRequested);
    exercises->addSeparator();
    item(exercises, QStringLiteral("&Nouvel exercice…"), "mnuNouvelExercice", Keys(),
         &statistique::newExerciseRequested);
    item(exercises, QStringLiteral("&Modifier l'exercice…"), "mnuModifierExercice", Keys(),
         &statistique::editExerciseRequested);
    item(exercises, QStringLiteral("E&xporter pour Moodle…"), "mnuMoodle", Keys(),
         &statistique::moodleRequested);

    QMenu* helpMenu = menu(menuBar(), QStringLiteral("&Aide"), "mnuAide");
    mnuAPropos = item(helpMenu, QStringLiteral("À &propos de Statistique"), "mnuAPropos", Keys(),
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
