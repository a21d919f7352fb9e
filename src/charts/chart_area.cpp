// The chart area: wiping it, drawing the chart a button chooses, and the timer that
// draws a chart chosen in the exercise window. Each chart is worked out from the model
// (core/series_charts.h) and replayed here onto the area and its two label arrays.

#include "core/series_charts.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "ui/vector_state.h"

void statistique::sub_graph_effacer() {
    Picture1->clear();
    Picture1->setAccessibleDescription(QString());
    for (int i = 0; i < Label_graph.count(); ++i) Label_graph(i).hide();
    for (int i = 0; i < Label_graph2.count(); ++i) Label_graph2(i).hide();
}

void statistique::Option_graph_Click(int Index) {
    ui::clearVectorState();
    if (Index >= 0 && Index < core::kChartKinds) montrerGraphique(core::ChartKind(Index));
    // No chart button stays pressed, so any of them draws again at the next click.
    for (int i = 0; i < Option_graph.count(); ++i) Option_graph(i).setValue(false);
}

void statistique::montrerGraphique(core::ChartKind kind) {
    core::Modele& modele = dexo_mod::modele();
    sub_graph_effacer();
    Picture1->draw([&](core::Drawing& dessin) {
        core::chart(dessin, modele, kind, surfaceDuGraphique());
        placerEtiquettes(dessin);
        Picture1->setAccessibleDescription(core::descriptionDuGraphique(dessin, kind));
    });
    core::apresLeGraphique(modele, kind);
    // A chart reads the items one by one as the selected item: the last stays selected.
    if (List1->count() > 0) List1->setSelectedIndex(List1->count() - 1);
}

core::Surface statistique::surfaceDuGraphique() const {
    return {.largeur = Picture1->outerWidth(),
            .hauteur = Picture1->outerHeight(),
            .epaisseur = Picture1->drawWidth(),
            .avantPlan = Picture1->foreColour()};
}

// The record's labels shown in order on the label arrays; a label whose position was
// not set keeps the one it had. The record keeps them where they now stand, so what
// leaves the window is what it shows.
void statistique::placerEtiquettes(core::Drawing& dessin) {
    const auto etiquette = [this](int liste, int i) -> ui::Label& {
        return liste == 0 ? Label_graph(i) : Label_graph2(i);
    };
    for (const core::Drawing::Label& l : dessin.labels()) {
        ui::Label& label = etiquette(l.array, l.index);
        label.show();
        label.setCaption(l.text);
        if (l.left) label.setLeft(*l.left);
        if (l.top) label.setTop(*l.top);
    }
    std::vector<core::Drawing::Label> placees = dessin.shownLabels();
    for (core::Drawing::Label& l : placees) {
        const ui::Label& label = etiquette(l.array, l.index);
        l.left = label.left();
        l.top = label.top();
    }
    dessin.replaceLabels(std::move(placees));
}

void statistique::demanderGraphique(int Index) {
    dexo_mod::choix_graphe = qint16(Index);
    Timer1->setInterval(100);
}

void statistique::Timer1_Timer() {
    Timer1->setInterval(0);
    Option_graph_Click(dexo_mod::choix_graphe);
}
