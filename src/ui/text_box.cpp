#include "ui/text_box.h"

#include "ui/key_codes.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

KeyMemory::EditState TextBox::state() const {
    const int anchor = hasSelectedText() ? selectionStart() : cursorPosition();
    return {QLineEdit::text(), cursorPosition(), anchor};
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const auto before = state();
    QLineEdit::keyPressEvent(event);
    keys_.pressed(*event, before, state());
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    keys_.released(*event);
    emit keyReleased(keyCode(*event), shiftState(event->modifiers()));
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &MultiLineTextBox::changed);
}

QString MultiLineTextBox::text() const {
    QString t = toPlainText();
    t.replace(u'\n', QStringLiteral("\r\n"));
    return t;
}

void MultiLineTextBox::setText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(u'\r', u'\n');
    setPlainText(plain);
}

KeyMemory::EditState MultiLineTextBox::state() const {
    const QTextCursor c = textCursor();
    return {toPlainText(), c.position(), c.anchor()};
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* event) {
    const auto before = state();
    QPlainTextEdit::keyPressEvent(event);
    keys_.pressed(*event, before, state());
}

void MultiLineTextBox::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    keys_.released(*event);
    emit keyReleased(keyCode(*event), shiftState(event->modifiers()));
}

}  // namespace ui
