#include "main_window/statistique.h"

#include "core/key_filter.h"
#include "core/numbers.h"
#include "core/resume_next.h"
#include "core/series_charts.h"
#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/chart_area/chart_area.h"
#include "main_window/second_list/second_list.h"
#include "main_window/series_files/series_files.h"
#include "ui/look.h"
#include "ui/style.h"

using namespace Qt::StringLiterals;
using ui::rgb;

namespace {

constexpr quint32 kBackground = rgb(114, 172, 231);
constexpr quint32 kListColour = rgb(179, 220, 253);
constexpr quint32 kSecondListColour = rgb(255, 192, 192);
constexpr quint32 kPanel = rgb(192, 192, 255);
constexpr quint32 kExercise = rgb(255, 255, 128);
const quint32 kButton = ui::systemColour(9);

template <class Control>
Control* named(Control* control, const char* name, int tab) {
    control->setObjectName(QString::fromLatin1(name));
    ui::setTabIndex(control, tab);
    return control;
}

ui::CommandButton* button(QWidget* parent, const char* name, int tab,
                          const ui::ButtonProperties& p) {
    return named(new ui::CommandButton(parent, p), name, tab);
}

}  // namespace

statistique::statistique()
    : ui::Form({.caption = QStringLiteral("Statistique"),
                .clientWidth = 10515,
                .clientHeight = 8685,
                .background = kBackground,
                .menuBar = true}) {
    setObjectName(QStringLiteral("statistique"));
    createSeriesPanel();
    createSecondListPanel();
    createChartArea();
    Command_enonce = button(client(), "Command_enonce", 60,
                            {u"EXERCICE"_s, {8400, 7800, 1215, 495}, {.back = kExercise}, {}});
    Timer1 = new ui::Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    core::Model& model = dexo_mod::model();
    chartArea_ = new ChartArea(this,
                               {.picture = Picture1,
                                .labels = &Label_graph,
                                .labels2 = &Label_graph2,
                                .buttons = &Option_graph,
                                .series = List1,
                                .timer = Timer1},
                               model);
    secondList_ = new SecondList(this, Text_liste2, model);
    seriesFiles_ = new SeriesFiles(this, model);
    ui::applyTabOrder(this);
    undoStack_.setUndoLimit(core::kStepsKept);
    createMenuBar();
    wireEvents();
    setAcceptDrops(true);
    ui::afterFirstFrame(this, [this] { Label_graph.makeNow(); });
}

void statistique::createChartArea() {
    Picture1 = named(new ui::PictureBox(client(), {240, 240, 8295, 4815}, core::kChartBackground),
                     "Picture1", 5);
    Picture1->setDrawWidth(2);
    Picture1->setAccessibleName(QStringLiteral("Zone des graphiques"));
    Label_graph.makeOnFirstUse([this] { createChartLabels(); });
    Label_graph2.makeOnFirstUse([this] { createChartLabels(); });
    // Array index, caption, top and tab index of the four chart buttons.
    const struct {
        const char16_t* caption;
        double top;
        int tab;
    } charts[4] = {{u"Bâtons", 2520, 10},
                   {u"Camembert", 1320, 11},
                   {u"Courbe simple", 3120, 33},
                   {u"Les deux", 3720, 34}};
    for (const auto& c : charts) {
        auto* option = new ui::OptionButton(client(), {QString::fromUtf16(c.caption),
                                                       {8640, c.top, 1695, 495},
                                                       {.back = kButton, .points = 12},
                                                       {}});
        ui::setTabIndex(option, c.tab);
        Option_graph.add(option, "Option_graph");
    }
}

// The chart labels start hidden; every chart places and captions those it shows. The
// first frame shows none: they are made after it, or when first used if sooner.
void statistique::createChartLabels() {
    const auto chartLabels = [this](ui::ControlArray<ui::Label>& array, const char* name, int list,
                                    int count, quint32 back, int firstTab) {
        for (int i = 0; i < count; ++i) {
            const QPointF startPoint = core::labelStart(list, i);
            auto* label = new ui::Label(Picture1->surface(),
                                        {.caption = u"Label3"_s,
                                         .bounds = {startPoint.x(), startPoint.y(), 720, 240},
                                         .look = {.back = back, .points = 9.75, .bold = true},
                                         .autoSize = true,
                                         .hidden = true});
            ui::setTabIndex(label, firstTab + i);
            array.add(label, name);
        }
    };
    chartLabels(Label_graph, "Label_graph", 0, core::kLabels1, core::kLabelBackground1, 12);
    chartLabels(Label_graph2, "Label_graph2", 1, core::kLabels2, core::kLabelBackground2, 40);
}

void statistique::createSeriesPanel() {
    auto* panel = new ui::Shape(client(), {240, 5280, 4935, 3015}, kPanel);
    Shape1.add(panel, "Shape1");
    const ui::Look big{.back = kButton, .points = 12};
    const ui::Look standard{.back = kButton};
    Command_aleatoire =
        button(client(), "Command_aleatoire", 9,
               {u"Aleatoire"_s, {360, 5400, 1335, 495}, big, u"remplit la liste"_s});

    Text1 = named(new ui::TextBox(client()), "Text1", 0);
    ui::applyLook(Text1, {.back = kBackground, .points = 12});
    ui::place(Text1, {360, 6240, 735, 375});
    Text1->setText(QStringLiteral("0"));
    Text1->setToolTip(QStringLiteral("Nouvelle valeur"));
    Text1->setAccessibleName(QStringLiteral("Nouvelle valeur"));

    Command_ajout =
        button(client(), "Command_ajout", 1, {u">"_s, {1200, 6240, 495, 375}, standard, {}});
    Command_ajout->setAccessibleName(QStringLiteral("Ajouter la valeur"));
    const char16_t* removeCaptions[2] = {u"<", u"<<"};
    const char16_t* removeNames[2] = {u"Retirer la valeur sélectionnée",
                                      u"Retirer toutes les valeurs"};
    for (int i = 0; i < 2; ++i) {
        auto* remove = new ui::CommandButton(client(), {QString::fromUtf16(removeCaptions[i]),
                                                        {1200, 6720.0 + 480 * i, 495, 375},
                                                        standard,
                                                        {}});
        remove->setAccessibleName(QString::fromUtf16(removeNames[i]));
        ui::setTabIndex(remove, 3 + i);
        Command_enlever.add(remove, "Command_enlever");
    }

    List1 = named(new ui::ListBox(client()), "List1", 2);
    ui::applyLook(List1, {.back = kListColour, .points = 12});
    ui::place(List1, {1800, 5400, 1215, 2160});
    List1->setAccessibleName(QStringLiteral("Série de valeurs"));

    Command2 = button(client(), "Command2", 8, {u"Fréquence"_s, {1680, 7680, 1335, 495}, big, {}});

    List2 = named(new ui::ListBox(client()), "List2", 6);
    ui::applyLook(List2, {.back = kListColour, .points = 12});
    ui::place(List2, {3000, 5400, 2055, 1560});
    List2->setAccessibleName(QStringLiteral("Résumé de la série"));

    Label1 = named(new ui::Label(client(), {.caption = u"Résultats"_s,
                                            .bounds = {3120, 7080, 1860, 1035},
                                            .look = {.points = 9.75},
                                            .transparent = true,
                                            .wordWrap = true}),
                   "Label1", 7);
}

void statistique::createSecondListPanel() {
    auto* panel = new ui::Shape(client(), {5280, 5280, 2535, 3015}, kPanel);
    Shape1.add(panel, "Shape1");
    Check1 = named(new ui::CheckBox(client(), u"Prendre en compte 2ème liste"_s,
                                    {5640, 5400, 1935, 495}, {.back = kPanel, .points = 9.75}),
                   "Check1", 35);
    Command_aleatoire2 = button(client(), "Command_aleatoire2", 39,
                                {u"Aleatoire"_s,
                                 {5400, 6360, 1095, 495},
                                 {.back = kButton, .points = 12},
                                 u"remplit la liste"_s});
    Text_liste2 = named(new ui::MultiLineTextBox(client()), "Text_liste2", 38);
    ui::applyLook(Text_liste2, {.back = kSecondListColour, .points = 9.75});
    ui::place(Text_liste2, {6600, 6120, 975, 2055});
    Text_liste2->setText(QStringLiteral("0"));
    Text_liste2->setAccessibleName(QStringLiteral("Deuxième liste, une valeur par ligne"));
    const ui::Look standard{.back = kButton};
    Command_asc =
        button(client(), "Command_asc", 36, {u"Croissant"_s, {5560, 7320, 855, 375}, standard, {}});
    Command_desc =
        button(client(), "Command_desc", 37, {u"Décroiss"_s, {5560, 7800, 855, 375}, standard, {}});
}

// Which handler each control event runs; no other event has one.
void statistique::wireEvents() {
    using ui::guarded;
    const auto clicks = [this](QPushButton* button, void (statistique::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                guarded([this, handler] { (this->*handler)(); }));
    };
    connect(Text1, &ui::TextBox::keyReleased, this,
            guarded<int, int>([this](int code, int shift) { Text1_KeyUp(code, shift); }));
    // The buttons that change the series are steps "Annuler" undoes, named by caption.
    const auto step = [this](QPushButton* button, void (statistique::*handler)()) {
        connect(button, &QPushButton::clicked, this, guarded([this, button, handler] {
                    withUndo(button->text(), [&] { (this->*handler)(); });
                }));
    };
    step(Command_ajout, &statistique::Command_ajout_Click);
    Command_enlever.connect(&QPushButton::clicked, this, [this](int index) {
        withUndo(Command_enlever(index).text(), [&] { Command_enlever_Click(index); });
    });
    step(Command_aleatoire, &statistique::Command_aleatoire_Click);
    clicks(Command2, &statistique::Command2_Click);
    Option_graph.connect(&QPushButton::clicked, this,
                         [this](int index) { Option_graph_Click(index); });
    connect(Timer1, &ui::Timer::tick, this, guarded([this] { Timer1_Timer(); }));
    connect(Text_liste2, &ui::MultiLineTextBox::changed, this,
            guarded([this] { Text_liste2_Change(); }));
    connect(Text_liste2, &ui::MultiLineTextBox::keyReleased, this,
            guarded<int, int>([this](int code, int shift) { Text_liste2_KeyUp(code, shift); }));
    connect(Check1, &QCheckBox::clicked, this, guarded([this] { Check1_Click(); }));
    clicks(Command_aleatoire2, &statistique::Command_aleatoire2_Click);
    clicks(Command_asc, &statistique::Command_asc_Click);
    clicks(Command_desc, &statistique::Command_desc_Click);
    clicks(Command_enonce, &statistique::Command_enonce_Click);
    connect(seriesFiles_, &SeriesFiles::seriesReplaced, this,
            [this](const core::TwoSeries& series, const QString& step) {
                withUndo(step, [&] { loadSeries(series); });
            });
    connect(seriesFiles_, &SeriesFiles::fileNoted, this, &statistique::noteRecent);
    // The undo history's clean state is the series as their file holds them.
    connect(seriesFiles_, &SeriesFiles::savedStateShown, this,
            [this](bool saved) { saved ? undoStack_.setClean() : undoStack_.resetClean(); });
    // Pasted, dropped or undone text keeps only what the keys may leave in each box.
    Text1->setInsertionFilter([](QStringView text) {
        return key_filter::allowedCharacters(text, core::decimalSeparator(), false);
    });
    Text_liste2->setInsertionFilter([](QStringView text) {
        return key_filter::allowedCharacters(text, core::decimalSeparator(), true);
    });
}

// Start-up: chart buttons unselected, the colour table, the one-value series "0" and
// its summary.
void statistique::Form_Load() {
    using namespace dexo_mod;
    core::ResumeNext resume;
    for (int i = 0; i < Option_graph.count(); ++i) resume([&] { Option_graph(i).setValue(false); });
    for (int i = 0; i < 10; ++i) resume([&] { model().setColour(i, core::kPalette[i]); });
    resume([&] { List1->append(QStringLiteral("0")); });
    calculer_bilan();
    // The series a start shows is nothing of the learner's to lose.
    seriesFiles_->markSaved();
}
