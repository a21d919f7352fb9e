#pragma once

#include "ui/command_button.h"

namespace ui {

// An option button drawn as a push button that stays pressed while it is selected.
// Setting its value does not raise a click.
class OptionButton : public QPushButton {
    Q_OBJECT

public:
    OptionButton(QWidget* parent, const ButtonProperties& properties);

    bool value() const { return isChecked(); }
    void setValue(bool selected) { setChecked(selected); }

protected:
    void paintEvent(QPaintEvent*) override { paintFilledButton(this); }
};

}  // namespace ui
