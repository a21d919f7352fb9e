#include "ui/command_button.h"

#include <qdrawutil.h>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace ui {

void setUpButton(QPushButton* button, const ButtonProperties& p) {
    applyLook(button, p.look);
    button->setAutoDefault(false);
    if (!p.toolTip.isEmpty()) button->setToolTip(p.toolTip);
    place(button, p.bounds);
}

void paintFilledButton(QPushButton* button) {
    QStylePainter painter(button);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool sunken = button->isDown() || button->isChecked();
    if (sunken) option.state |= QStyle::State_Sunken;
    const QBrush fill = button->palette().brush(QPalette::Button);
    qDrawWinButton(&painter, button->rect(), button->palette(), sunken, &fill);
    if (sunken) option.rect.translate(1, 1);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
    if (button->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(button);
        focus.rect = button->rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

CommandButton::CommandButton(QWidget* parent, const ButtonProperties& p)
    : QPushButton(p.caption, parent) {
    setUpButton(this, p);
}

QPushButton* pushButton(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace ui
