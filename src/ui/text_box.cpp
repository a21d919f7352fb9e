#include "ui/text_box.h"

#include "ui/key_codes.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QTextCursor>

#include <memory>

namespace ui {
namespace {

// Keys that bring in text the key filter never sees typed.
bool bringsText(const QKeyEvent* event) {
    return event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Undo) ||
           event->matches(QKeySequence::Redo);
}

// Where two texts differ: the span [start, start + removed) of `before` became
// [start, start + inserted) of `after`.
struct Change {
    qsizetype start = 0;
    qsizetype inserted = 0;
};
Change changeBetween(const QString& before, const QString& after) {
    qsizetype start = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (start < shorter && before[start] == after[start]) ++start;
    qsizetype tail = 0;
    while (tail < shorter - start &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {start, after.size() - tail - start};
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    // A user's edit is told before the change itself, while lastText_ still holds the
    // text before it.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (!filtering_ && !typing_) edited();
    });
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        lastText_ = text;
        emit changed();
    });
}

// Text the user brought in without typing it: only what the filter lets through stays,
// put in as one edit so that it can be undone.
void TextBox::edited() {
    if (!filter_) return;
    const QString now = QLineEdit::text();
    const Change change = changeBetween(lastText_, now);
    const QString inserted = now.mid(change.start, change.inserted);
    const QString kept = filter_(inserted);
    if (kept == inserted) return;
    const QScopedValueRollback filtering(filtering_, true);
    setSelection(int(change.start), int(change.inserted));
    insert(kept);
}

KeyMemory::EditState TextBox::state() const {
    const int anchor = hasSelectedText() ? selectionStart() : cursorPosition();
    return {QLineEdit::text(), cursorPosition(), anchor};
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const auto before = state();
    {
        const QScopedValueRollback typing(typing_, !bringsText(event));
        QLineEdit::keyPressEvent(event);
    }
    keys_.pressed(*event, before, state());
}

void TextBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    keys_.released(*event);
    emit keyReleased(keyCode(*event), shiftState(event->modifiers()));
}

// A dragged file is the window's to open, not text for the box.
void TextBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) return event->ignore();
    QLineEdit::dragEnterEvent(event);
}

void MultiLineTextBox::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) return event->ignore();
    QPlainTextEdit::dragEnterEvent(event);
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
    // A paste comes through insertFromMimeData; an undo or a redo may restore what the
    // key filter had erased.
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        filterChangeSince(before.text);
}

void MultiLineTextBox::keyReleaseEvent(QKeyEvent* event) {
    QPlainTextEdit::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    keys_.released(*event);
    emit keyReleased(keyCode(*event), shiftState(event->modifiers()));
}

// Pasting (keys, menu, middle click) and dropping all come through here.
void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (!filter_ || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    textCursor().insertText(filter_(text));
    ensureCursorVisible();
}

void MultiLineTextBox::contextMenuEvent(QContextMenuEvent* event) {
    const QString before = toPlainText();
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->exec(event->globalPos());
    filterChangeSince(before);
}

void MultiLineTextBox::filterChangeSince(const QString& before) {
    if (!filter_) return;
    const QString now = toPlainText();
    const Change change = changeBetween(before, now);
    const QString inserted = now.mid(change.start, change.inserted);
    const QString kept = filter_(inserted);
    if (kept == inserted) return;
    QTextCursor cursor = textCursor();
    cursor.setPosition(int(change.start));
    cursor.setPosition(int(change.start + change.inserted), QTextCursor::KeepAnchor);
    cursor.insertText(kept);
    setTextCursor(cursor);
}

}  // namespace ui
