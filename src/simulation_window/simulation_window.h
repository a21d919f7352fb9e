#pragma once

// "Simulation d'échantillons": N samples of size n drawn from a proportion p or from a
// population (the main series or the table of counts), their frequencies (or means)
// counted within p ± s, 2s, 3s and 1/√n, how s shrinks as n grows, and one long
// sequence's running frequency. The core does every figure; this window takes the
// parameters, runs the core on its own thread pool with a progress bar and "Annuler",
// and shows what the core returns. Where the values go (the main list, the table of
// counts) it asks by its signals.

#include "core/frequency_table.h"
#include "core/simulation/simulation.h"

#include <QStringList>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimer;

namespace ui {
class ChartView;
}

class Simulation : public QWidget {
    Q_OBJECT

public:
    explicit Simulation(QWidget* parent = nullptr);
    ~Simulation() override;

    // The populations a run may draw from, given again whenever they change.
    void setMainSeries(const QStringList& texts);
    void setTable(const core::FrequencyTable& table);

    bool running() const { return bool(run_); }
    const std::optional<core::simulation::Result>& result() const { return result_; }

    QComboBox* Choix_tirage;
    QLineEdit* Text_p;
    QPushButton* Command_piece;
    QPushButton* Command_de;
    QSpinBox* Text_taille;
    QSpinBox* Text_nombre;
    QSpinBox* Text_serie;
    QTabWidget* Onglets;
    QPushButton* Command_simuler;
    QLabel* Label_resume;
    QLabel* Label_part[4];
    ui::ChartView* Picture_histogramme;
    QPushButton* Command_liste;
    QPushButton* Command_tableau;
    QLineEdit* Text_tailles;
    QPushButton* Command_fluctuation;
    QLabel* Label_fluctuation;
    ui::ChartView* Picture_fluctuation;
    QPushButton* Command_grands_nombres;
    QLabel* Label_grands_nombres;
    ui::ChartView* Picture_grands_nombres;
    QProgressBar* Barre_progression;
    QPushButton* Command_annuler;
    QLabel* Label_etat;

signals:
    // The values for the main list, as a change named `step` that can be undone.
    void listRequested(const QStringList& texts, const QString& step);
    // The table of counts window to open with this table.
    void tableRequested(const core::FrequencyTable& table);
    // A run ended: `completed` false when it was cancelled or at fault.
    void runFinished(bool completed);

private:
    // The work of a run on the pool's thread: what to show once it is done, or nothing
    // when it was cancelled.
    using Work = std::function<std::function<void()>(const core::simulation::Progress&)>;
    struct Run {
        std::atomic<double> share{0};
        std::atomic<bool> cancelled{false};
    };

    QWidget* createParameters();
    QWidget* createSamplesTab();
    QWidget* createFluctuationTab();
    QWidget* createLargeNumbersTab();
    QWidget* chartButtons(ui::ChartView* view, const QString& suffix, const QString& file);

    std::optional<core::simulation::Parameters> parameters();
    void start(Work work);
    void finish(const std::shared_ptr<Run>& run, const std::function<void()>& show);
    void cancel();
    void setRunning(bool running);
    void say(const QString& text);

    void simulate();
    void fluctuate();
    void drawSequence();
    void showResult();
    void showFluctuation();
    void showLargeNumbers();
    void toList();
    void toTable();

    std::vector<double> mainSeries_;
    std::shared_ptr<const core::simulation::Population> tablePopulation_;
    std::optional<core::simulation::Result> result_;
    std::optional<core::simulation::Fluctuation> fluctuation_;
    std::optional<core::simulation::LargeNumbers> largeNumbers_;
    std::shared_ptr<Run> run_;
    QThreadPool pool_;
    QTimer* progressTimer_;
};
