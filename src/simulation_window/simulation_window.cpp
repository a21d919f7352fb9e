#include "simulation_window/simulation_window.h"

#include "chart_export/chart_export.h"
#include "core/numbers.h"
#include "ui/chart_output.h"
#include "ui/chart_view.h"
#include "ui/look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
namespace sim = core::simulation;

namespace {

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// A result a screen reader reads as it is: its text is its accessible name.
QLabel* resultLabel(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return l;
}

}  // namespace

Simulation::Simulation(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(u"Simulation"_s);
    setWindowTitle(u"Simulation d'échantillons"_s);
    // One run at a time; the core shares its work out between the machine's cores.
    pool_.setMaxThreadCount(1);

    Onglets = new QTabWidget(this);
    Onglets->setObjectName(u"Onglets"_s);
    Onglets->addTab(createSamplesTab(), u"Échantillons"_s);
    Onglets->addTab(createFluctuationTab(), u"Fluctuation selon n"_s);
    Onglets->addTab(createLargeNumbersTab(), u"Loi des grands nombres"_s);

    Barre_progression = new QProgressBar(this);
    Barre_progression->setObjectName(u"Barre_progression"_s);
    Barre_progression->setAccessibleName(u"Avancement du calcul"_s);
    Barre_progression->setRange(0, 1000);
    Barre_progression->setValue(0);
    Barre_progression->setFormat(u"%p %"_s);
    Command_annuler = button(u"Annuler"_s, u"Command_annuler"_s, this);
    Command_annuler->setEnabled(false);
    Label_etat = resultLabel(u"Label_etat"_s, this);
    auto* progress = new QHBoxLayout;
    progress->addWidget(Barre_progression, 1);
    progress->addWidget(Command_annuler);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createParameters());
    layout->addWidget(Onglets, 1);
    layout->addLayout(progress);
    layout->addWidget(Label_etat);

    // The bar follows the run from here, the pool's thread only writing a number.
    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(50);
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        if (run_) Barre_progression->setValue(int(run_->share.load() * 1000));
    });
    connect(Command_annuler, &QPushButton::clicked, this, [this] { cancel(); });
    connect(Command_simuler, &QPushButton::clicked, this, [this] { simulate(); });
    connect(Command_fluctuation, &QPushButton::clicked, this, [this] { fluctuate(); });
    connect(Command_grands_nombres, &QPushButton::clicked, this, [this] { drawSequence(); });
    connect(Command_liste, &QPushButton::clicked, this, [this] { toList(); });
    connect(Command_tableau, &QPushButton::clicked, this, [this] { toTable(); });
    connect(Command_piece, &QPushButton::clicked, this, [this] {
        Choix_tirage->setCurrentIndex(0);
        Text_p->setText(u"1/2"_s);
    });
    connect(Command_de, &QPushButton::clicked, this, [this] {
        Choix_tirage->setCurrentIndex(0);
        Text_p->setText(u"1/6"_s);
    });
    connect(Choix_tirage, &QComboBox::currentIndexChanged, this,
            [this](int index) { Text_p->setEnabled(index == 0); });
    showResult();
    showFluctuation();
    showLargeNumbers();
    resize(760, 720);
}

Simulation::~Simulation() {
    if (run_) run_->cancelled = true;
    pool_.waitForDone();
}

QWidget* Simulation::createParameters() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);

    Choix_tirage = new QComboBox(box);
    Choix_tirage->setObjectName(u"Choix_tirage"_s);
    Choix_tirage->setAccessibleName(u"Tirage"_s);
    Choix_tirage->view()->setAccessibleName(u"Ce qui peut être tiré"_s);
    Choix_tirage->addItems({u"Une proportion p"_s, u"La série principale (moyennes)"_s,
                            u"Le tableau d'effectifs (moyennes)"_s});
    form->addRow(u"Tirage :"_s, Choix_tirage);

    Text_p = new QLineEdit(u"1/2"_s, box);
    Text_p->setObjectName(u"Text_p"_s);
    Text_p->setAccessibleName(u"Proportion p"_s);
    Command_piece = button(u"Pièce équilibrée"_s, u"Command_piece"_s, box);
    Command_de = button(u"Face d'un dé"_s, u"Command_de"_s, box);
    auto* p = new QHBoxLayout;
    p->addWidget(Text_p, 1);
    p->addWidget(Command_piece);
    p->addWidget(Command_de);
    form->addRow(u"Proportion p :"_s, p);

    const auto spin = [box](const QString& name, const QString& said, int low, int high,
                            int value) {
        auto* s = new QSpinBox(box);
        s->setObjectName(name);
        s->setAccessibleName(said);
        s->setRange(low, high);
        s->setValue(value);
        s->setLocale(core::regionalLocale());  // "1 000", as the program writes numbers
        s->setGroupSeparatorShown(true);
        return s;
    };
    Text_taille =
        spin(u"Text_taille"_s, u"Taille des échantillons n"_s, 1, int(sim::kLargestSample), 100);
    Text_nombre =
        spin(u"Text_nombre"_s, u"Nombre d'échantillons N"_s, 1, int(sim::kMostSamples), 1000);
    Text_serie = spin(u"Text_serie"_s, u"Série n°"_s, 0, 2147483647, int(sim::kDefaultSeries));
    Text_serie->setGroupSeparatorShown(false);  // a number that names, not a quantity
    form->addRow(u"Taille des échantillons n :"_s, Text_taille);
    form->addRow(u"Nombre d'échantillons N :"_s, Text_nombre);
    form->addRow(u"Série n° :"_s, Text_serie);
    return box;
}

QWidget* Simulation::chartButtons(ui::ChartView* view, const QString& suffix, const QString& file) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* copy = button(u"Copier"_s, u"Command_copier_"_s + suffix, row);
    auto* save = button(u"Exporter…"_s, u"Command_exporter_"_s + suffix, row);
    auto* print = button(u"Imprimer…"_s, u"Command_imprimer_"_s + suffix, row);
    connect(copy, &QPushButton::clicked, this,
            [this, view] { chart_export::copy(view->chart(), devicePixelRatioF()); });
    connect(save, &QPushButton::clicked, this,
            [this, view, file] { chart_export::exportChosen(this, view->chart(), file); });
    connect(print, &QPushButton::clicked, this,
            [this, view] { chart_export::printChosen(this, view->chart()); });
    // Nothing to put out before a run has drawn the chart.
    for (QPushButton* b : {copy, save, print}) {
        b->setEnabled(false);
        connect(view, &ui::ChartView::drawnChanged, b, &QWidget::setEnabled);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    return row;
}

QWidget* Simulation::createSamplesTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    Command_simuler = button(u"Simuler les échantillons"_s, u"Command_simuler"_s, tab);
    Label_resume = resultLabel(u"Label_resume"_s, tab);
    for (int k = 0; k < 4; ++k) Label_part[k] = resultLabel(u"Label_part_%1"_s.arg(k + 1), tab);
    Picture_histogramme = new ui::ChartView(tab, ui::rgb(255, 255, 255));
    Picture_histogramme->setObjectName(u"Picture_histogramme"_s);
    Picture_histogramme->setAccessibleName(u"Histogramme des fréquences"_s);
    Command_liste = button(u"Vers la liste"_s, u"Command_liste"_s, tab);
    Command_tableau = button(u"Vers le tableau d'effectifs"_s, u"Command_tableau"_s, tab);

    auto* top = new QHBoxLayout;
    top->addWidget(Command_simuler);
    top->addStretch(1);
    top->addWidget(Command_liste);
    top->addWidget(Command_tableau);
    layout->addLayout(top);
    layout->addWidget(Label_resume);
    for (QLabel* l : Label_part) layout->addWidget(l);
    layout->addWidget(Picture_histogramme, 1);
    layout->addWidget(chartButtons(Picture_histogramme, u"histogramme"_s, u"histogramme"_s));
    return tab;
}

QWidget* Simulation::createFluctuationTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    Text_tailles = new QLineEdit(tab);
    Text_tailles->setObjectName(u"Text_tailles"_s);
    Text_tailles->setAccessibleName(u"Tailles des échantillons"_s);
    QStringList sizes;
    for (std::int64_t n : sim::defaultSizes()) sizes << QString::number(n);
    Text_tailles->setText(sizes.join(u" ; "_s));
    Command_fluctuation = button(u"Calculer s pour chaque taille"_s, u"Command_fluctuation"_s, tab);
    Label_fluctuation = resultLabel(u"Label_fluctuation"_s, tab);
    Picture_fluctuation = new ui::ChartView(tab, ui::rgb(255, 255, 255));
    Picture_fluctuation->setObjectName(u"Picture_fluctuation"_s);
    Picture_fluctuation->setAccessibleName(u"Écart-type selon 1/√n"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(u"Tailles n :"_s, tab));
    top->addWidget(Text_tailles, 1);
    top->addWidget(Command_fluctuation);
    layout->addLayout(top);
    layout->addWidget(Label_fluctuation);
    layout->addWidget(Picture_fluctuation, 1);
    layout->addWidget(chartButtons(Picture_fluctuation, u"fluctuation"_s, u"fluctuation"_s));
    return tab;
}

QWidget* Simulation::createLargeNumbersTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    Command_grands_nombres =
        button(u"Tirer une suite de n valeurs"_s, u"Command_grands_nombres"_s, tab);
    Label_grands_nombres = resultLabel(u"Label_grands_nombres"_s, tab);
    Picture_grands_nombres = new ui::ChartView(tab, ui::rgb(255, 255, 255));
    Picture_grands_nombres->setObjectName(u"Picture_grands_nombres"_s);
    Picture_grands_nombres->setAccessibleName(u"Fréquence au fil des tirages"_s);

    auto* top = new QHBoxLayout;
    top->addWidget(Command_grands_nombres);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(Label_grands_nombres);
    layout->addWidget(Picture_grands_nombres, 1);
    layout->addWidget(
        chartButtons(Picture_grands_nombres, u"grands_nombres"_s, u"grands-nombres"_s));
    return tab;
}
