#include "ui/session.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <xcb/xcb.h>

namespace ui {

bool graphicalSession() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty()) {
        const QString socket = QDir::isAbsolutePath(wayland)
                                   ? wayland
                                   : qEnvironmentVariable("XDG_RUNTIME_DIR") + u'/' + wayland;
        if (QFileInfo(socket).exists()) return true;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = connection && !xcb_connection_has_error(connection);
    if (connection) xcb_disconnect(connection);
    return answers;
}

}  // namespace ui
