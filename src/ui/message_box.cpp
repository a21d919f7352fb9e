#include "ui/message_box.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace ui {
namespace {
QString& title() {
    static QString t;
    return t;
}
BoxAnswerer& boxAnswerer() {
    static BoxAnswerer a;
    return a;
}
FileAnswerer& fileAnswerer() {
    static FileAnswerer a;
    return a;
}
}  // namespace

BoxAnswerer answerBoxesWith(BoxAnswerer answerer) {
    return std::exchange(boxAnswerer(), std::move(answerer));
}
FileAnswerer answerFileDialogsWith(FileAnswerer answerer) {
    return std::exchange(fileAnswerer(), std::move(answerer));
}

QString applicationTitle() {
    return title();
}
void setApplicationTitle(const QString& t) {
    title() = t;
}

void messageBox(const QString& text) {
    messageBox(text, applicationTitle());
}

void messageBox(const QString& text, const QString& caption) {
    if (boxAnswerer()) {
        boxAnswerer()(caption, text, {QStringLiteral("OK")});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.exec();
}

int ask(const QString& text, const QStringList& buttons, int escape) {
    if (boxAnswerer()) {
        const int chosen = boxAnswerer()(applicationTitle(), text, buttons);
        return chosen >= 0 && chosen < buttons.size() ? chosen : escape;
    }
    QMessageBox box(QMessageBox::Question, applicationTitle(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons) added << box.addButton(caption, QMessageBox::ActionRole);
    if (escape >= 0 && escape < added.size()) box.setEscapeButton(added[escape]);
    if (!added.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    box.exec();
    const qsizetype chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? escape : int(chosen);
}

QString fileToOpen(QWidget* parent, const QString& caption, const QString& filter,
                   const QString& folder) {
    if (fileAnswerer()) return fileAnswerer()(caption);
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString fileToSave(QWidget* parent, const QString& caption, const QString& suggested,
                   const QStringList& filters, const QStringList& suffixes) {
    if (fileAnswerer()) {
        QString path = fileAnswerer()(caption);
        const QString suffix = suffixes.value(0);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && !suffix.isEmpty())
            path += u'.' + suffix;
        return path;
    }
    QFileDialog dialog(parent, caption, suggested);
    dialog.setObjectName(QStringLiteral("fileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.value(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter)));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().first();
    const QString suffix = suffixes.value(filters.indexOf(dialog.selectedNameFilter()));
    if (QFileInfo(path).suffix().isEmpty() && !suffix.isEmpty()) path += u'.' + suffix;
    return path;
}

}  // namespace ui
