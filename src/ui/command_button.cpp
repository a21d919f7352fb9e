#include "ui/command_button.h"

namespace ui {

void setUpButton(QPushButton* button, const ButtonProperties& p) {
    applyLook(button, p.look);
    button->setAutoDefault(false);
    if (!p.toolTip.isEmpty()) button->setToolTip(p.toolTip);
    place(button, p.bounds);
}

CommandButton::CommandButton(QWidget* parent, const ButtonProperties& p)
    : QPushButton(p.caption, parent) {
    setUpButton(this, p);
}

}  // namespace ui
