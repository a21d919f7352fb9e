#include "ui/file_state.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace ui {

void showFileState(QWidget& window, const QString& path, bool modified) {
    // A caption of its own hides the file's name: the path is for the desktop alone.
    if (window.windowFilePath() != path) window.setWindowFilePath(path);
    if (window.isWindowModified() == modified) return;
    if (window.windowTitle().contains(QStringLiteral("[*]")))
        return window.setWindowModified(modified);
    // Where the caption has no "[*]" and the desktop no mark of its own, setWindowModified
    // would only warn on standard error at each change: the state and its event are what
    // it would leave.
    window.setAttribute(Qt::WA_WindowModified, modified);
    QEvent change(QEvent::ModifiedChange);
    QCoreApplication::sendEvent(&window, &change);
}

}  // namespace ui
