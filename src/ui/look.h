#pragma once

// Colours, fonts and the keyboard order of controls, as the windows describe them.

#include "ui/painting/chart_painter.h"

#include <QColor>
#include <QFont>
#include <QtGlobal>

#include <optional>

class QWidget;

namespace ui {

// Packed as red + 256 x green + 65536 x blue.
constexpr quint32 rgb(int red, int green, int blue) {
    return static_cast<quint32>(red) + 256u * static_cast<quint32>(green) +
           65536u * static_cast<quint32>(blue);
}
using painting::colour;
// The desktop colours the windows name: 2, the active title bar; 9, its text.
quint32 systemColour(int index);

// The standard dialog font, or another size in points (painting/ says which face).
using painting::font;

// While it lives, new controls start in the standard font rather than the desktop's:
// each is given its own font, and a text box made in the desktop's loads that font
// first, for nothing. The desktop's comes back at its end, for the toolkit's dialogues
// and menus; giving it back costs every control a new layout.
class StandardFontWhileMaking {
public:
    StandardFontWhileMaking();
    ~StandardFontWhileMaking();
    StandardFontWhileMaking(const StandardFontWhileMaking&) = delete;
    StandardFontWhileMaking& operator=(const StandardFontWhileMaking&) = delete;

private:
    QFont desktop_;
};

struct Look {
    std::optional<quint32> back;  // nullopt: the toolkit's own
    std::optional<quint32> fore;
    double points = 0;
    bool bold = false;
};
void applyLook(QWidget* control, const Look& look);

// The keyboard order of a control within its window.
void setTabIndex(QWidget* control, int index);
int tabIndex(const QWidget* control);
// Chains the focusable controls of a window in the order of their tab index.
void applyTabOrder(QWidget* window);

}  // namespace ui
