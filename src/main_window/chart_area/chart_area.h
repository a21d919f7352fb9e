#pragma once

// The main window's chart area: the picture box, the two label arrays over it, the four
// chart buttons and the timer that draws a chart asked for from another window. Each
// chart is worked out from the model (core/series_charts.h) and replayed here onto the
// area and its labels. The window makes the controls and hands them over; the area
// knows nothing else of it.

#include "core/drawing.h"
#include "core/series_charts.h"
#include "ui/control_array.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/timer.h"

#include <QObject>

namespace core {
class Model;
}

class ChartArea : public QObject {
    Q_OBJECT

public:
    struct Controls {
        ui::PictureBox* picture = nullptr;
        ui::ControlArray<ui::Label>* labels = nullptr;   // the first array, 21 labels
        ui::ControlArray<ui::Label>* labels2 = nullptr;  // the second, 20 labels
        ui::ControlArray<ui::OptionButton>* buttons = nullptr;
        // The series' list: a chart reads its items as the selected one, leaving the last.
        ui::ListBox* series = nullptr;
        ui::Timer* timer = nullptr;
    };
    ChartArea(QObject* parent, const Controls& controls, core::Model& model);

    // The area blank and every label hidden.
    void clear();
    // The chart of button `index` drawn; no button stays pressed.
    void choose(int index);
    // The chart of button `index` drawn at the timer's next tick, 100 ms later.
    void request(int index);
    // The timer's tick: the chart last requested.
    void tick();

private:
    void show(core::ChartKind kind);
    core::Surface surface() const;
    void placeLabels(core::Drawing& drawing);

    Controls controls_;
    core::Model& model_;
};
