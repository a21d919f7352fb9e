#pragma once

// What every command-line runner does alike: a refusal on standard error with the usage
// status, the program's one usage for -h and --help, and the toolkit brought up off
// screen to paint a chart or lay out a page with no display.

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QCommandLineParser;

namespace core {
class Drawing;
struct Surface;
}  // namespace core

namespace command_line {

// `text` on standard error, then the usage status the process ends with.
int fail(const QString& text);
// The same in the program's voice: "statistique : why".
int refuse(const QString& why);
// The same, followed by where to read the usage.
int usageError(const QString& why);

// The program's usage (or its version, with "--version"), which tells every runner's
// options with the rest, in English where the system speaks it; status 0.
int printUsage(const QStringList& arguments, const QString& option);

// The runner's options read with -h and --help beside them: nothing while it goes on,
// else the status it ends with, once the usage is printed or the refusal said. `mode`
// names the runner in the refusal ("--sheets").
std::optional<int> readOptions(QCommandLineParser& parser, const QStringList& arguments,
                               const QString& mode);

// `work` done with a toolkit that paints off screen: text is all it is needed for, and
// its remarks about a desktop it does not need would only clutter the output.
int offscreen(int argc, char* argv[], const std::function<int()>& work);

// "« F » n'est ni .png, ni .svg, ni .pdf", or the empty text where F names a chart file.
QString chartFileFault(const QString& output);
// The chart painted off screen on a white ground, into `output`, whose suffix names a
// chart file: the empty text, or why it could not be written.
QString writeChart(int argc, char* argv[], const core::Drawing& drawing,
                   const core::Surface& surface, const QString& description, const QString& output);

}  // namespace command_line
