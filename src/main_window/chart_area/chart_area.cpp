#include "main_window/chart_area/chart_area.h"

#include "core/model.h"
#include "ui/vector_state.h"

ChartArea::ChartArea(QObject* parent, const Controls& controls, core::Model& model)
    : QObject(parent), controls_(controls), model_(model) {}

void ChartArea::clear() {
    controls_.picture->clear();
    controls_.picture->setAccessibleDescription(QString());
    for (int i = 0; i < controls_.labels->count(); ++i) (*controls_.labels)(i).hide();
    for (int i = 0; i < controls_.labels2->count(); ++i) (*controls_.labels2)(i).hide();
}

void ChartArea::choose(int index) {
    ui::clearVectorState();
    if (index >= 0 && index < core::kChartKinds) show(core::ChartKind(index));
    // No chart button stays pressed, so any of them draws again at the next click.
    const ui::ControlArray<ui::OptionButton>& buttons = *controls_.buttons;
    for (int i = 0; i < buttons.count(); ++i) buttons(i).setValue(false);
}

void ChartArea::show(core::ChartKind kind) {
    ui::PictureBox* picture = controls_.picture;
    clear();
    picture->draw([&](core::Drawing& drawing) {
        core::chart(drawing, model_, kind, surface());
        placeLabels(drawing);
        picture->setAccessibleDescription(core::chartDescription(drawing, kind));
    });
    core::afterChart(model_, kind);
    // A chart reads the items one by one as the selected item: the last stays selected.
    ui::ListBox* series = controls_.series;
    if (series->count() > 0) series->setSelectedIndex(series->count() - 1);
}

core::Surface ChartArea::surface() const {
    const ui::PictureBox* picture = controls_.picture;
    return {.width = picture->outerWidth(),
            .height = picture->outerHeight(),
            .lineWidth = picture->drawWidth(),
            .foreground = picture->foreColour()};
}

// The record's labels shown in order on the label arrays; a label whose position was
// not set keeps the one it had. The record keeps them where they now stand, so what
// leaves the window is what it shows.
void ChartArea::placeLabels(core::Drawing& drawing) {
    const auto labelOf = [this](int array, int i) -> ui::Label& {
        return array == 0 ? (*controls_.labels)(i) : (*controls_.labels2)(i);
    };
    for (const core::Drawing::Label& l : drawing.labels()) {
        ui::Label& label = labelOf(l.array, l.index);
        label.show();
        label.setCaption(l.text);
        if (l.left) label.setLeft(*l.left);
        if (l.top) label.setTop(*l.top);
    }
    std::vector<core::Drawing::Label> placed = drawing.shownLabels();
    for (core::Drawing::Label& l : placed) {
        const ui::Label& label = labelOf(l.array, l.index);
        l.left = label.left();
        l.top = label.top();
    }
    drawing.replaceLabels(std::move(placed));
}

void ChartArea::request(int index) {
    model_.setChoixGraphe(qint16(index));
    controls_.timer->setInterval(100);
}

void ChartArea::tick() {
    controls_.timer->setInterval(0);
    choose(model_.choix_graphe);
}
