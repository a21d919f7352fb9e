#include "individuals_window/chart_box.h"

#include "chart_export/chart_export.h"
#include "ui/look.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace individuals_window {

ChartBox::ChartBox(QWidget* parent, const QString& name)
    : QWidget(parent), view_(new ui::ChartView(this, ui::rgb(255, 255, 255))) {
    view_->setObjectName(name);
    view_->setMinimumSize(240, 180);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& caption, const QString& suffix, auto action) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name + suffix);
        b->setEnabled(false);
        connect(view_, &ui::ChartView::drawnChanged, b, &QWidget::setEnabled);
        connect(b, &QPushButton::clicked, this, action);
        buttons->addWidget(b);
    };
    button(QStringLiteral("Copier"), QStringLiteral("_copier"),
           [this] { chart_export::copy(view_->chart(), devicePixelRatioF()); });
    button(QStringLiteral("Exporter…"), QStringLiteral("_exporter"),
           [this] { chart_export::exportChosen(this, view_->chart(), suggested_); });
    button(QStringLiteral("Imprimer…"), QStringLiteral("_imprimer"),
           [this] { chart_export::printChosen(this, view_->chart()); });
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

void ChartBox::setChart(ui::ChartView::Draw draw, const QString& suggestedFile) {
    suggested_ = suggestedFile;
    view_->setChart(std::move(draw));
}

}  // namespace individuals_window
