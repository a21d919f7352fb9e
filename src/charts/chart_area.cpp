// The chart area: wiping it, choosing a chart from the four buttons, and the timer
// that replays a chart chosen in the exercise window.

#include "core/resume_next.h"
#include "engine/dexo_mod.h"
#include "main_window/statistique.h"
#include "ui/vector_state.h"

using dexo_mod::Variant;

void statistique::sub_graph_effacer() {
    Picture1->clear();
    Picture1->setAccessibleDescription(QString());
    for (int i = 0; i < Label_graph.count(); ++i) {
        dexo_mod::indice = Variant::count(i);
        Label_graph(i).hide();
    }
    for (int i = 0; i < Label_graph2.count(); ++i) {
        dexo_mod::indice = Variant::count(i);
        Label_graph2(i).hide();
    }
    dexo_mod::indice = Variant::count(Label_graph2.count());
}

void statistique::Option_graph_Click(int Index) {
    ui::clearVectorState();
    switch (Index) {
        case 0:
            sub_graph_batons();
            break;
        case 1:
            sub_graph_camembert();
            break;
        case 2:
            sub_graph_courbe(1);
            break;
        case 3:
            sub_graph_batons();
            sub_graph_courbe(0);
            break;
        default:
            break;
    }
    decrireGraphique(Index);
    // No chart button stays pressed, so any of them draws again at the next click.
    statistique& fenetre = statistique::instance();
    for (int i = 0; i < fenetre.Option_graph.count(); ++i) {
        dexo_mod::indice = Variant::count(i);
        fenetre.Option_graph(i).setValue(false);
    }
    dexo_mod::indice = Variant::count(fenetre.Option_graph.count());
}

void statistique::Timer1_Timer() {
    Timer1->setInterval(0);
    Option_graph_Click(dexo_mod::choix_graphe);
}

// What a screen reader tells of the chart: its kind and the values its labels show.
void statistique::decrireGraphique(int Index) {
    static const char16_t* const kGraphiques[4] = {u"Diagramme en bâtons", u"Camembert", u"Courbe",
                                                   u"Diagramme en bâtons et courbe"};
    if (Index < 0 || Index > 3) return;
    const auto legendes = [](const ui::ControlArray<ui::Label>& etiquettes) {
        QStringList valeurs;
        for (int i = 0; i < etiquettes.count(); ++i)
            if (!etiquettes(i).isHidden()) valeurs << etiquettes(i).caption();
        return valeurs;
    };
    const QStringList premiere = legendes(Label_graph);
    const QStringList seconde = legendes(Label_graph2);
    QString description = QString::fromUtf16(kGraphiques[Index]) + QStringLiteral(" : ") +
                          (premiere.isEmpty() ? QStringLiteral("aucune valeur")
                                              : premiere.join(QStringLiteral(", ")));
    if (!seconde.isEmpty())
        description += QStringLiteral(" ; deuxième liste : ") + seconde.join(QStringLiteral(", "));
    Picture1->setAccessibleDescription(description);
}

void statistique::montrerEtiquette(core::ResumeNext& resume, ui::Label& etiquette,
                                   const QString& legende, double left, double top) {
    resume([&] { etiquette.show(); });
    resume([&] { etiquette.setCaption(legende); });
    resume([&] { etiquette.setLeft(left); });
    resume([&] { etiquette.setTop(top); });
}
