#pragma once

#include "core/pairs/pairs.h"

#include <QString>

#include <functional>
#include <memory>

class WorkKeeper;
class statistique;

// What the process sets up before its first window and tears down after its last.
namespace program {

// The toolkit's look and the program's title, the same for the program and its tests.
void prepare();
// The main window, made at the first call; end() closes it.
statistique& mainWindow();
// Makes the newer windows reachable from the main window's menus and wires their
// requests; show() does it, tests that never show the window may.
void wireWindows(statistique& main);
// The keeper of the learner's work in `folder` (by default the program's own), following
// the series, the table and the main window's end.
std::unique_ptr<WorkKeeper> keepWork(statistique& main, const QString& folder = {});
// Shows the main window; once its first frame is on the screen, gives the program its icon
// and runs `then`.
void show(statistique& window, std::function<void()> then = {});
// Opens the two variables' window on a file of pairs, over the main window.
void openPairs(statistique& main, const QString& file);
// ... or on pairs already made (two variables of a file of individuals).
void openPairs(statistique& main, const core::pairs::Pairs& pairs);
// Closes every window of the program, as the end of the process does.
void end();

}  // namespace program
