#include "ui/form.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

namespace ui {

Form::Form(const Properties& p) : QWidget(nullptr) {
    setWindowTitle(p.caption);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour(p.background));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(font());
    if (p.noIcon) {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        setWindowIcon(QIcon(blank));
    }
    const QSize client(pixels(p.clientWidth), pixels(p.clientHeight));
    if (p.fixedBorder) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
}

void Form::showCentred() {
    if (!placed_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

bool Form::event(QEvent* e) {
    const bool handled = QWidget::event(e);
    // After the toolkit's own handling, which may move the focus back where it was.
    if (e->type() == QEvent::WindowActivate) emit activated();
    return handled;
}

}  // namespace ui
