#include "support/fresh_start.h"

#include "core/numbers.h"
#include "core/random.h"
#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
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
    dexo_mod::reinitialiser();
    core::Random::restart();
    core::setRegionalLocale(locale);
    statistique& window = statistique::instance();
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
    poll_.setInterval(5);
    connect(&poll_, &QTimer::timeout, this, [this, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        texts << box->text();
        titles << box->windowTitle();
        QStringList names;
        QAbstractButton* chosen = box->button(QMessageBox::Ok);
        for (QAbstractButton* b : box->buttons()) {
            names << b->text();
            if (!answer.isEmpty() && b->text() == answer) chosen = b;
        }
        buttons << names.join(u'|');
        chosen ? chosen->click() : box->reject();
    });
    poll_.start();
}

FileDialogAnswerer::FileDialogAnswerer(const QString& path) {
    poll_.setInterval(5);
    connect(&poll_, &QTimer::timeout, this, [this, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        ++answered;
        if (path.isEmpty()) return dialog->reject();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // public there, and virtual
    });
    poll_.start();
}

}  // namespace test
