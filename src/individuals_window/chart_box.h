#pragma once

// A chart of the window with its three ways out: "Copier", "Exporter…", "Imprimer…".

#include "ui/chart_view.h"

#include <QWidget>

namespace individuals_window {

class ChartBox : public QWidget {
    Q_OBJECT

public:
    // `name` is the chart's objectName; its buttons are named after it.
    ChartBox(QWidget* parent, const QString& name);

    void setChart(ui::ChartView::Draw draw, const QString& suggestedFile);
    ui::ChartView* view() const { return view_; }

private:
    ui::ChartView* view_;
    QString suggested_;
};

}  // namespace individuals_window
