#include "ui/form.h"

#include "ui/look.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

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
    if (p.menuBar) {
        // The bar above, the client area below it at its own size, whatever the
        // window's size: nothing moves when the window is resized.
        menuBar_ = new QMenuBar(this);
        // The desktop's colours, not the window's own.
        QPalette standard = menuBar_->palette();
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::WindowText})
            standard.setColor(role, QGuiApplication::palette().color(role));
        menuBar_->setPalette(standard);
        client_ = new QWidget(this);
        client_->setObjectName(QStringLiteral("client"));
        client_->setFixedSize(client);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        layout->setMenuBar(menuBar_);
        layout->addWidget(client_, 0, Qt::AlignLeft | Qt::AlignTop);
    }
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
        // The bar's height is known once its menus are in.
        if (menuBar_) {
            barHeight_ = menuBar_->sizeHint().height();
            resize(client_->width(), barHeight_ + client_->height());
        }
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            // A window wider or taller than the screen would hide its own edges.
            if (minimumSize() != maximumSize() &&
                (width() > area.width() || height() > area.height()))
                resize(std::min(width(), area.width()), std::min(height(), area.height()));
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
    // The bar grows or shrinks when the desktop's font comes back after the first frame,
    // or changes later: the window follows, so the client area below stays whole.
    if (e->type() == QEvent::LayoutRequest && menuBar_ && placed_) {
        const int bar = menuBar_->sizeHint().height();
        if (bar != barHeight_) {
            resize(width(), height() + bar - barHeight_);
            barHeight_ = bar;
        }
    }
    return handled;
}

}  // namespace ui
