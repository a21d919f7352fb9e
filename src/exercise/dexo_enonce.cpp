#include "exercise/dexo_enonce.h"

#include "ui/guarded.h"
#include "ui/look.h"

using namespace Qt::StringLiterals;
using ui::rgb;

namespace {

constexpr quint32 kHeading = rgb(128, 128, 255);
constexpr quint32 kCell = rgb(192, 192, 255);
constexpr quint32 kBlue = rgb(0, 0, 255);

// The class counts the buttons load, from ]90, 100] to ]160, 170].
const char16_t* const kCounts[8] = {u"5", u"14", u"31", u"124", u"106", u"51", u"22", u"7"};

const char16_t* const kClasses[8] = {
    u"         ]90, 100]", u"        ]100, 110]", u"        ]110, 120]", u"        ]120, 130]",
    u"        ]130, 140]", u"        ]140, 150]", u"        ]150, 160]", u"        ]160, 170]"};
const char16_t* const kCountCells[8] = {
    u"               5     ", u"              14", u"              31", u"             124",
    u"             106",      u"              51", u"              22", u"               7"};

}  // namespace

Dexo_enonce::Dexo_enonce()
    : ui::Form({.caption = u"Ek_varno"_s,
                .clientWidth = 12525,
                .clientHeight = 7920,
                .background = ui::systemColour(9),
                .fixedBorder = true,
                .noIcon = true}) {
    setObjectName(u"Dexo_enonce"_s);
    // Closing it only hides it; it never keeps the program alive on its own.
    setAttribute(Qt::WA_QuitOnClose, false);
    createStatement();
    createTable();
    ui::applyTabOrder(this);
    connect(this, &ui::Form::activated, this, ui::guarded([this] { Form_Activate(); }));
    command_camembert.connect(&QPushButton::clicked, this,
                              [this](int index) { command_camembert_Click(index); });
}

void Dexo_enonce::createStatement() {
    const auto label = [this](ui::ControlArray<ui::Label>& array, const char* name, int index,
                              int tab, const ui::Label::Properties& p) {
        auto* l = new ui::Label(this, p);
        ui::setTabIndex(l, tab);
        array.add(l, name, index);
    };
    Label1 = new ui::Label(
        this, {.caption = u"EXERCICE: Contrôles de vitesse"_s,
               .bounds = {480, 240, 4590, 360},
               .look = {.back = rgb(192, 255, 192), .fore = kBlue, .points = 13.5, .bold = true},
               .autoSize = true});
    Label1->setObjectName(u"Label1"_s);
    ui::setTabIndex(Label1, 0);

    const ui::Look heading{.fore = kHeading, .points = 12, .bold = true};
    const ui::Look text{.points = 12};
    label(Label2, "Label2", 0, 2,
          {.caption = u"Données du problème"_s,
           .bounds = {360, 1080, 2655, 300},
           .look = heading,
           .autoSize = true,
           .transparent = true});
    label(Label3, "Label3", 0, 1,
          {.caption = u"Sur une portion d'autoroute, on effectue un controle de vitesse. Sur un "
                      u"échantillon de "
                      u"360 automobiles, on a obtenu les résultats suivants:"_s,
           .bounds = {360, 1440, 5775, 855},
           .look = text,
           .transparent = true,
           .wordWrap = true});
    label(Label2, "Label2", 3, 3,
          {.caption = u"Questions"_s,
           .bounds = {360, 6360, 1230, 300},
           .look = heading,
           .autoSize = true,
           .transparent = true});
    label(
        Label3, "Label3", 3, 24,
        {.caption =
             u"1) Déterminez la moyenne de la série statistique définie par le centre des classes."_s,
         .bounds = {360, 6840, 5640, 720},
         .look = text,
         .transparent = true,
         .wordWrap = true});
    label(Label3, "Label3", 2, 5,
          {.caption = u"Aide : 'centre des classes' = 95 pour ]90, 100]"_s,
           .bounds = {360, 7440, 4770, 300},
           .look = text,
           .autoSize = true,
           .transparent = true});
    Line1 = new ui::Line(this, {6240, 0}, {6240, 8640}, 6, ui::systemColour(2));
    Line1->setObjectName(u"Line1"_s);
    label(Label3, "Label3", 1, 4,
          {.caption = u"2) Représenter graphiquement ce tableau de valeurs, en choisissant la "
                      u"méthode (camembert, "
                      u"courbe ou batons) qui vous semble la plus adaptée."_s,
           .bounds = {6840, 1080, 5640, 960},
           .look = text,
           .transparent = true,
           .wordWrap = true});
    label(
        Label3, "Label3", 4, 25,
        {.caption =
             u"3)La vitesse est limitée à 130 km/h. Quel est le pourcentage d'automobiliste en infraction ?"_s,
         .bounds = {6840, 2160, 5640, 720},
         .look = text,
         .transparent = true,
         .wordWrap = true});
    label(Label3, "Label3", 5, 26,
          {.caption = u"4) En raison des imprécisions de mesures, une certaine tolérance est "
                      u"accordée et un procès "
                      u"verbal n'est dressé qu'aux automobilistes dépassant 143 km/h. Combien de "
                      u"procès verbaux vont "
                      u"être dressés?"_s,
           .bounds = {6840, 3000, 5640, 1320},
           .look = text,
           .transparent = true,
           .wordWrap = true});
    label(Label2, "Label2", 1, 30,
          {.caption = u"Solutions"_s,
           .bounds = {6960, 4800, 1140, 300},
           .look = heading,
           .autoSize = true,
           .transparent = true});

    const char16_t* const captions[3] = {u"Bâton", u"Camembert", u"Courbe"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new ui::CommandButton(this, {QString::fromUtf16(captions[i]),
                                                    {6960.0 + 1080 * i, 5280, 975, 615},
                                                    {.back = rgb(255, 255, 128)},
                                                    {}});
        ui::setTabIndex(button, 27 + i);
        command_camembert.add(button, "command_camembert");
    }
}

void Dexo_enonce::createTable() {
    const auto cell = [this](int index, const QString& text, ui::Bounds bounds,
                             const ui::Look& look, const QString& name) {
        auto* box = new ui::TextBox(this);
        ui::applyLook(box, look);
        ui::place(box, bounds);
        box->setText(text);
        box->setReadOnly(true);
        box->setCursorPosition(0);
        box->setAccessibleName(name);
        ui::setTabIndex(box, 6 + index);
        Text1.add(box, "Text1", index);
    };
    const ui::Look header{.back = kCell, .fore = kBlue, .points = 12, .bold = true};
    const ui::Look body{.back = kCell, .points = 12};
    cell(0, u"   Vitesse en km/h"_s, {360, 2640, 2415, 495}, header, u"Titre de colonne"_s);
    cell(1, u"         Effectif"_s, {2760, 2640, 2415, 495}, header, u"Titre de colonne"_s);
    // Rows 360 twips apart, cells 420 high: neighbours overlap by 60.
    for (int row = 0; row < 8; ++row) {
        const QString n = QString::number(row + 1);
        cell(2 + row, QString::fromUtf16(kClasses[row]), {360, 3120.0 + 360 * row, 2415, 420}, body,
             u"Classe "_s + n);
        cell(10 + row, QString::fromUtf16(kCountCells[row]), {2760, 3120.0 + 360 * row, 2415, 420},
             body, u"Effectif de la classe "_s + n);
    }
}

// Closed from its title bar, it opens afresh next time: centred, as at first.
void Dexo_enonce::closeEvent(QCloseEvent* event) {
    forgetPlace();
    ui::Form::closeEvent(event);
}

void Dexo_enonce::Form_Activate() {
    command_camembert(0).setFocus();
}

// Loads the class counts into the series and asks the main window for the chart, which
// its timer draws once this window is gone.
void Dexo_enonce::command_camembert_Click(int Index) {
    QStringList counts;
    for (const char16_t* count : kCounts) counts << QString::fromUtf16(count);
    emit listRequested(counts, command_camembert(Index).text());
    emit chartRequested(Index);
    hide();
}
