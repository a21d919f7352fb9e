#include "ui/label.h"

#include "core/numbers.h"

#include <QFontMetrics>

namespace ui {

Label::Label(QWidget* parent, const Properties& p)
    : QLabel(p.caption, parent), autoSize_(p.autoSize) {
    applyLook(this, p.look);
    setAutoFillBackground(!p.transparent);
    setWordWrap(p.wordWrap);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    place(this, p.bounds);
    // A label that starts hidden fits the caption it is shown with, not its first one.
    if (p.hidden) {
        hide();
    } else if (autoSize_) {
        fitCaption();
    }
}

void Label::setCaption(const QString& caption) {
    setText(caption);
    if (autoSize_) fitCaption();
}

void Label::setLeft(double left) {
    core::toSingle(left);  // Left is single precision: beyond its range the step fails
    Bounds b = bounds(this);
    b.left = left;
    place(this, b);
}

void Label::setTop(double top) {
    core::toSingle(top);
    Bounds b = bounds(this);
    b.top = top;
    place(this, b);
}

void Label::fitCaption() {
    const QFontMetrics metrics(font());
    Bounds b = bounds(this);
    b.width = (metrics.horizontalAdvance(text()) + 2) * kTwipsPerPixel;
    b.height = metrics.height() * kTwipsPerPixel;
    place(this, b);
}

}  // namespace ui
