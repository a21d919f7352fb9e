#pragma once

#include "ui/key_memory.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>

namespace ui {

// What may stay of text that reaches a box other than by typing: a paste (keys, menu,
// middle click), a drop, an undo or a redo. Typed characters are left to the key
// filter, which judges the key on its release.
using InsertionFilter = std::function<QString(QStringView inserted)>;

// A one-line text box. Setting its text raises `changed` at once, inside the setter.
// Each final key release is reported with its key code and shift state.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);
    void setInsertionFilter(InsertionFilter filter) { filter_ = std::move(filter); }

signals:
    void changed();
    void keyReleased(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    KeyMemory::EditState state() const;
    void edited();

    KeyMemory keys_;
    InsertionFilter filter_;
    QString lastText_;
    bool typing_ = false;
    bool filtering_ = false;
};

// A multi-line text box whose text reads and writes line breaks as carriage return +
// line feed, on every platform, which is what typing Enter inserts.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget* parent);

    QString text() const;
    void setText(const QString& text);
    void setInsertionFilter(InsertionFilter filter) { filter_ = std::move(filter); }

signals:
    void changed();
    void keyReleased(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    KeyMemory::EditState state() const;
    void filterChangeSince(const QString& before);

    KeyMemory keys_;
    InsertionFilter filter_;
};

}  // namespace ui
