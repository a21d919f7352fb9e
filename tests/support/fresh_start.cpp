#include "support/fresh_start.h"

#include "core/numbers.h"
#include "main_window/calculer_bilan.h"
#include "main_window/program.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace test {

QLocale french() {
    return QLocale(QLocale::French, QLocale::France);
}
QLocale english() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

statistique& freshStart(const QLocale& locale) {
    static const bool prepared = [] {
        // The program's settings and data folders are the test's own, not the user's.
        static QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
        program::prepare();
        return true;
    }();
    Q_UNUSED(prepared);
    program::end();
    QSettings(QSettings::UserScope, QStringLiteral("Statistique"), QStringLiteral("Statistique"))
        .clear();
    core::setRegionalLocale(locale);
    // A program of the test's own: its model, its windows, its random draws.
    statistique& window = program::mainWindow();
    program::wireWindows(window);
    settle();
    return window;
}

void loadSeries(const QStringList& items) {
    ui::ListBox& list = *statistique::instance().List1;
    list.clearItems();
    for (const QString& item : items) list.append(item);
    dexo_mod::calculer_bilan();
}

QStringList items(const ui::ListBox& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.itemText(i);
    return texts;
}

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

MessageBoxAnswerer::MessageBoxAnswerer(const QString& answer) {
    previous_ = ui::answerBoxesWith(
        [this, answer](const QString& caption, const QString& text, const QStringList& names) {
            texts << text;
            titles << caption;
            buttons << names.join(u'|');
            // The button of that caption; else OK where there is one, else Échap.
            const qsizetype chosen = names.indexOf(answer);
            return int(chosen >= 0 ? chosen : names.indexOf(QStringLiteral("OK")));
        });
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    ui::answerBoxesWith(std::move(previous_));
}

FileDialogAnswerer::FileDialogAnswerer(const QString& path) {
    previous_ = ui::answerFileDialogsWith([this, path](const QString&) {
        ++answered;
        return path;
    });
}

FileDialogAnswerer::~FileDialogAnswerer() {
    ui::answerFileDialogsWith(std::move(previous_));
}

}  // namespace test
