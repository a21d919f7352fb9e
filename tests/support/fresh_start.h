#pragma once

// What every window test needs: a fresh start of the program, controls found by name,
// and a way to answer its message box.

#include "main_window/statistique.h"
#include "ui/message_box.h"

#include <QLocale>
#include <QObject>
#include <QString>

namespace test {

QLocale french();
QLocale english();

// A new start of the program under a locale: windows recreated and loaded, module data
// empty, the generator at its first number.
statistique& freshStart(const QLocale& locale = french());

// A control of the main window by its name (and index, for a control array).
template <class Control>
Control* control(const char* name, int index = -1) {
    for (Control* c : statistique::instance().findChildren<Control*>(QString::fromLatin1(name)))
        if (index < 0 || c->property("index").toInt() == index) return c;
    return nullptr;
}

// Replaces the series by these items and runs the engine, as loading data does.
void loadSeries(const QStringList& items);

// The items of a list box, in order.
QStringList items(const ui::ListBox& list);

// Runs queued work: posted keystrokes, the list views catching up with their selection.
void settle();

// While it lives, the program's message boxes are answered as they come, without being
// shown, and what they said is noted: with the button of the caption given, else OK
// (a question without OK is closed as Échap closes it).
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(const QString& answer = QString());
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    QStringList texts;    // every message answered, in order
    QStringList titles;   // their captions
    QStringList buttons;  // their buttons, joined by '|'

private:
    ui::BoxAnswerer previous_;
};

// While it lives, the program's file dialogs choose this path, as a learner typing it
// would.
class FileDialogAnswerer {
public:
    explicit FileDialogAnswerer(const QString& path);
    ~FileDialogAnswerer();
    FileDialogAnswerer(const FileDialogAnswerer&) = delete;
    FileDialogAnswerer& operator=(const FileDialogAnswerer&) = delete;
    int answered = 0;

private:
    ui::FileAnswerer previous_;
};

}  // namespace test
