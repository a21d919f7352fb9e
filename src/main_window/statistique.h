#pragma once

// The main window: the series in List1 with its summary in List2, the chart area with
// its two label arrays and four chart buttons, the second list, and the way to the
// exercise; above them, a menu bar. Controls carry the names the routines use. The
// window is made of parts, each a class of its own folder given the controls it drives
// and the model: the chart area (charts/), the second list (second_list/), the series'
// files and the clipboard (series_io/). The handlers, all defined in this folder, read as
// the steps they carry out over the parts and the ui/ layer. The other windows are the owner's
// (program.cpp): the window asks for them by its signals. Skip-and-continue handling
// (core::ResumeNext) is used where a routine must go on past a failing step.

#include "core/history.h"
#include "core/recent_files.h"
#include "core/series_charts.h"
#include "core/series_file.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/shape.h"
#include "ui/single_window.h"
#include "ui/text_box.h"
#include "ui/timer.h"

#include <QUndoStack>

#include <functional>

class ChartArea;
class QAction;
class QMenu;
class SecondList;
class SeriesFiles;

class statistique : public ui::Form, public ui::SingleWindow<statistique> {
    Q_OBJECT

public:
    ui::PictureBox* Picture1;
    ui::ControlArray<ui::Label> Label_graph;   // 21 labels, over the chart area
    ui::ControlArray<ui::Label> Label_graph2;  // 20 labels, over the chart area
    ui::ControlArray<ui::OptionButton> Option_graph;
    ui::ControlArray<ui::Shape> Shape1;
    ui::CommandButton* Command_aleatoire;
    ui::TextBox* Text1;
    ui::CommandButton* Command_ajout;
    ui::ControlArray<ui::CommandButton> Command_enlever;
    ui::ListBox* List1;
    ui::CommandButton* Command2;
    ui::ListBox* List2;
    ui::Label* Label1;
    ui::CheckBox* Check1;
    ui::CommandButton* Command_aleatoire2;
    ui::MultiLineTextBox* Text_liste2;
    ui::CommandButton* Command_asc;
    ui::CommandButton* Command_desc;
    ui::CommandButton* Command_enonce;
    ui::Timer* Timer1;

    // The menu bar, above the controls.
    QAction* mnuOuvrir;
    QAction* mnuEnregistrer;
    QAction* mnuEnregistrerSous;
    QMenu* mnuRecents;  // "Séries récentes": filled each time it opens
    QAction* mnuExporter;
    QAction* mnuImprimer;
    QAction* mnuQuitter;
    QAction* mnuAnnuler;
    QAction* mnuRetablir;
    QAction* mnuCopierSerie;
    QAction* mnuCollerSerie;
    QAction* mnuCopierGraphique;
    QAction* mnuParametres;
    QAction* mnuTableau;
    QAction* mnuSimulation;
    QAction* mnuExercices;
    QAction* mnuFeuilles;
    QAction* mnuAPropos;

    // Asks for the chart of button `Index`, which the timer draws 100 ms later: the
    // exercise's way to draw once its window is gone.
    void requestChart(int Index);

    // Opens a series file, as "Ouvrir une série…" does once the file is chosen: both
    // series replaced, or a message saying why not and nothing changed.
    bool openSeries(const QString& path);
    // Both series replaced, as if the learner had typed them: the summary runs once, the
    // second list is read, and the chart and the frequency answer are wiped.
    void loadSeries(const core::TwoSeries& series);
    // The first series replaced by `texts`, as the exercise's buttons do: List1
    // emptied and filled, then the engine's run.
    void replaceSeries1(const QStringList& texts);
    // Runs `action`, a change of the series named `name` ("Aleatoire", "<<"), as a step
    // that "Annuler" can undo.
    template <class Action>
    void withUndo(const QString& name, Action&& action) {
        const core::Snapshot before = snapshot();
        action();
        recordStep(name, before);
        displayUndo();
    }
    // The way back: its clean state is the series as last opened or saved.
    const QUndoStack& undoStack() const { return undoStack_; }
    // A series or table file opened or saved: first in "Séries récentes".
    static void noteRecent(const core::Recent& recent);
    static std::vector<core::Recent> recents();
    // Both series as a file holds them: List1's items and the second list's values.
    core::TwoSeries series() const;
    // The file that goes with the series; empty when none does.
    QString file() const;
    // Nothing would be lost: the series as saved in their file, or as the program began.
    bool seriesSaved() const;
    // Series given back after the program stopped: shown with the file they had, marked
    // as not saved.
    void recoverSeries(const QStringList& list1, const QString& list2Text, const QString& file);
    // Asked before the window closes for good, after the other windows' owner has had its
    // say: false keeps it open (the table's changes were not dealt with).
    void setBeforeClosing(std::function<bool()> check) { beforeClosing_ = std::move(check); }

signals:
    // The table of counts window was made: it can now be followed.
    void tableOpened();
    // The main window closed for good: the learner's work was dealt with.
    void cleanEnd();
    // "Simulation d'échantillons…": the owner shows the simulation window.
    void simulationRequested();
    // Statistiques > Deux variables… was chosen.
    void twoVariablesRequested();
    // "Ouvrir un fichier d'individus…", or a file of individuals to show.
    void individualsRequested();
    void individualsFileRequested(const QString& path);
    // "Feuilles pour la classe…": the owner shows the class's sheets window.
    void sheetsRequested();
    // Exercices > "Nouvel exercice…", "Modifier l'exercice…", "Exporter pour Moodle…":
    // the owner shows the exercise editor (after asking which file) or the export dialog.
    void newExerciseRequested();
    void editExerciseRequested();
    void moodleRequested();
    // The other windows of the main window's menus and buttons, shown by the owner.
    void parametersRequested();
    void tableRequested();
    void practiceRequested();
    void exerciseRequested();
    // A table file of "Séries récentes", to open in the table window.
    void tableFileRequested(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class ui::SingleWindow<statistique>;
    statistique();
    void load() override { Form_Load(); }
    void createChartArea();
    void createChartLabels();
    void createSeriesPanel();
    void createSecondListPanel();
    void createMenuBar();
    void wireEvents();

    void Form_Load();

    // Value editing
    void Text1_KeyUp(int keyCode, int shift);
    void filtrer_touche(int code);
    void Command_ajout_Click();
    void Command_enlever_Click(int Index);
    void Command_aleatoire_Click();

    // Frequency of the selected value
    void Command2_Click();
    void calculer_frequence();

    // Charts
    void sub_graph_effacer();
    void Option_graph_Click(int Index);
    void Timer1_Timer();
    ChartArea* chartArea_;
    // Second list
    void Text_liste2_Change();
    void Text_liste2_KeyUp(int keyCode, int shift);
    void Check1_Click();
    void Command_aleatoire2_Click();
    void Command_asc_Click();
    void Command_desc_Click();
    SecondList* secondList_;

    // The exercise
    void Command_enonce_Click() { emit exerciseRequested(); }

    // Series in and out: files, the clipboard, a dropped file; and the About box
    void mnuOuvrir_Click();
    void mnuIndividus_Click() { emit individualsRequested(); }
    void mnuEnregistrer_Click();
    void mnuEnregistrerSous_Click();
    void mnuCopierSerie_Click();
    void mnuCollerSerie_Click();
    void mnuQuitter_Click();
    void mnuAPropos_Click();
    SeriesFiles* seriesFiles_;
    std::function<bool()> beforeClosing_;

    // Undo and redo over the changes of the series
    core::Snapshot snapshot() const;
    void recordStep(const QString& name, const core::Snapshot& before);
    void displaySnapshot(const core::Snapshot& i);
    void displayUndo();
    void mnuRecents_Show();
    void mnuRecent_Click(const core::Recent& recent);
    void mnuAnnuler_Click();
    void mnuRetablir_Click();
    QUndoStack undoStack_;

    // The parameters window and the table of counts
    void mnuParametres_Click() { emit parametersRequested(); }
    void mnuTableau_Click() { emit tableRequested(); }
    void mnuDeuxVariables_Click() { emit twoVariablesRequested(); }
    void mnuExercices_Click() { emit practiceRequested(); }

    // Charts out of the window
    void mnuExporter_Click();
    void mnuImprimer_Click();
    void mnuCopierGraphique_Click();
};
