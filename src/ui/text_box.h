#pragma once

#include "ui/key_memory.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace ui {

// A one-line text box. Setting its text raises `changed` at once, inside the setter.
// Each final key release is reported with its key code and shift state.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent);

signals:
    void changed();
    void keyReleased(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    KeyMemory::EditState state() const;
    KeyMemory keys_;
};

// A multi-line text box whose text reads and writes line breaks as carriage return +
// line feed, on every platform, which is what typing Enter inserts.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget* parent);

    QString text() const;
    void setText(const QString& text);

signals:
    void changed();
    void keyReleased(int keyCode, int shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    KeyMemory::EditState state() const;
    KeyMemory keys_;
};

}  // namespace ui
