#include "ui/option_button.h"

namespace ui {

OptionButton::OptionButton(QWidget* parent, const ButtonProperties& p)
    : QPushButton(p.caption, parent) {
    setUpButton(this, p);
    setCheckable(true);
}

}  // namespace ui
