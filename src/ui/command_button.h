#pragma once

#include "ui/look.h"
#include "ui/twips.h"

#include <QPushButton>

namespace ui {

struct ButtonProperties {
    QString caption;
    Bounds bounds;
    Look look;
    QString toolTip;
};

// Colours, font, tool tip and place shared by every kind of push button.
void setUpButton(QPushButton* button, const ButtonProperties& properties);
// A raised 3D panel filled with exactly the button's colour (sunken while pressed or
// selected), its caption, and the focus mark.
void paintFilledButton(QPushButton* button);

// A push button of the desktop's own look, for the windows added around the described
// ones, carrying its name for the routines and the tests.
QPushButton* pushButton(QWidget* parent, const QString& caption, const char* name);

// A push button filled with its background colour.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(QWidget* parent, const ButtonProperties& properties);

protected:
    void paintEvent(QPaintEvent*) override { paintFilledButton(this); }
};

}  // namespace ui
