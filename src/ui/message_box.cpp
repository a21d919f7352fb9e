#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {
namespace {
QString& title() {
    static QString t;
    return t;
}
}  // namespace

QString applicationTitle() {
    return title();
}
void setApplicationTitle(const QString& t) {
    title() = t;
}

void messageBox(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

}  // namespace ui
