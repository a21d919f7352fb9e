#include "ui/send_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

void sendKey(Qt::Key key, const QString& text) {
    QWidget* target = QApplication::focusWidget();
    if (!target) return;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(target,
                                new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

}  // namespace ui
