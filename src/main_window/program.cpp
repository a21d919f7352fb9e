#include "main_window/program.h"

#include "core/numbers.h"
#include "exercise/dexo_enonce.h"
#include "main_window/statistique.h"
#include "parameters/parametres_serie.h"
#include "practice/exercices.h"
#include "table/tableau_effectifs.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

namespace program {

void prepare() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Statistique"));
    ui::setApplicationTitle(QStringLiteral("Statistique"));
    QGuiApplication::setDesktopFileName(QStringLiteral("statistique"));
    // The toolkit's own words (the text boxes' menu, the file dialogs, the shortcut
    // keys) in the program's language: French, unless the locale asks for another.
    auto* translator = new QTranslator(qApp);
    if (translator->load(core::localeFromEnvironment(), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    // The icon is not needed for the first frame: it is read once the event loop runs.
    QTimer::singleShot(0, [] {
        QIcon icon;
        for (int size : {24, 32, 48, 64, 128})
            icon.addFile(QStringLiteral(":/icons/statistique-%1.png").arg(size));
        QApplication::setWindowIcon(icon);
    });
}

void end() {
    Exercices::unload();
    Tableau_effectifs::unload();
    Parametres_serie::unload();
    Dexo_enonce::unload();
    statistique::unload();
}

}  // namespace program
