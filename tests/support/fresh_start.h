#pragma once

// What every window test needs: a fresh start of the program, controls found by name,
// and a way to answer its message box.

#include "main_window/statistique.h"

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>

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

// Watches for the program's message box while an action runs, notes what it said and
// answers it: with OK, or with the button of the caption given.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(const QString& answer = QString());
    QStringList texts;    // every message answered, in order
    QStringList titles;   // their captions
    QStringList buttons;  // their buttons, joined by '|'

private:
    QTimer poll_;
};

// Answers the program's file dialogs with a path, as a learner typing it would.
class FileDialogAnswerer : public QObject {
public:
    explicit FileDialogAnswerer(const QString& path);
    int answered = 0;

private:
    QTimer poll_;
};

}  // namespace test
