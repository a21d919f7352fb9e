#include "ui/look.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {
constexpr char kTabProperty[] = "tabIndex";
}  // namespace

quint32 systemColour(int index) {
    switch (index) {
        case 2:
            return rgb(10, 36, 106);
        case 9:
            return rgb(255, 255, 255);
        default:
            return rgb(0, 0, 0);
    }
}

StandardFontWhileMaking::StandardFontWhileMaking() : desktop_(QApplication::font()) {
    QApplication::setFont(font());
}

StandardFontWhileMaking::~StandardFontWhileMaking() {
    // Nothing to give it back to once the application has ended.
    if (QCoreApplication::instance()) QApplication::setFont(desktop_);
}

void applyLook(QWidget* control, const Look& look) {
    QPalette palette = control->palette();
    if (look.back) {
        const QColor back = colour(*look.back);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, back);
    }
    if (look.fore) {
        const QColor fore = colour(*look.fore);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, fore);
    }
    control->setPalette(palette);
    control->setFont(font(look.points, look.bold));
}

void setTabIndex(QWidget* control, int index) {
    control->setProperty(kTabProperty, index);
}

int tabIndex(const QWidget* control) {
    const QVariant v = control->property(kTabProperty);
    return v.isValid() ? v.toInt() : -1;
}

void applyTabOrder(QWidget* window) {
    std::vector<QWidget*> chain;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (tabIndex(w) >= 0 && w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
    std::stable_sort(chain.begin(), chain.end(),
                     [](QWidget* a, QWidget* b) { return tabIndex(a) < tabIndex(b); });
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace ui
