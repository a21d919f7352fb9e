#pragma once

// Charts out of the window: to the clipboard, to a PNG, SVG or PDF file, and to paper.
// Each is the chart the chart area shows, labels included, whether a chart button or
// an exercise button drew it.

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

namespace ui {
struct Chart;
}

namespace chart_export {

enum class Type { Png, Svg, Pdf };

// The type a file's suffix names, if any.
std::optional<Type> typeOf(const QString& path);

// Writes the chart whole or not at all: PNG at twice the on-screen size; SVG and PDF
// as vectors, one page the size of the chart. Returns the empty text, or why not.
QString write(const ui::Chart& chart, const QString& path, Type type);

// The chart as vectors on the printer's page: as wide as the printable area allows,
// its proportions kept, centred.
void print(const ui::Chart& chart, QPrinter& printer);

// What the chart menus and buttons do, for whichever window shows the chart:
// the image on the clipboard at twice the screen's size; a file chosen by the learner,
// `suggested` its first name, any failure told in a message; paper, through the print
// dialogue.
void copy(const ui::Chart& chart, double deviceRatio);
void exportChosen(QWidget* parent, const ui::Chart& chart, const QString& suggested);
void printChosen(QWidget* parent, const ui::Chart& chart);

}  // namespace chart_export
