#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace ui {

// The program's title: the caption of its message boxes.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// A modal message with an OK button only and the program's title as caption; returns
// once it has been closed.
void messageBox(const QString& text);
// The same with a caption of its own.
void messageBox(const QString& text, const QString& caption);
// A modal question with one button per caption; returns the index of the button
// chosen, or `escape` when the box is closed another way.
int ask(const QString& text, const QStringList& buttons, int escape);

// The file the learner chose to open or to write, or the empty text when none was; the
// dialog opens in `folder` when one is given.
QString fileToOpen(QWidget* parent, const QString& caption, const QString& filter,
                   const QString& folder = {});
// One filter per type, each with its suffix: a name without a suffix gets the one of
// the type chosen, before the dialog asks about replacing a file.
QString fileToSave(QWidget* parent, const QString& caption, const QString& suggested,
                   const QStringList& filters, const QStringList& suffixes);

// For tests: the boxes and dialogs above answered at once, without being shown. A box's
// answerer gets its caption, text and buttons' captions (an OK box has "OK") and returns
// the index of the button chosen (another number closes it as Échap would); a file
// dialog's answerer gets its caption and returns the path chosen (empty: none). An empty
// function shows them again. Each returns the answerer it replaces.
using BoxAnswerer =
    std::function<int(const QString& caption, const QString& text, const QStringList& buttons)>;
using FileAnswerer = std::function<QString(const QString& caption)>;
BoxAnswerer answerBoxesWith(BoxAnswerer answerer);
FileAnswerer answerFileDialogsWith(FileAnswerer answerer);

}  // namespace ui
