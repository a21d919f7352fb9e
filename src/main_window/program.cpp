#include "main_window/program.h"

#include "exercise/dexo_enonce.h"
#include "main_window/statistique.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QStyleFactory>

namespace program {

void prepare() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Statistique"));
    ui::setApplicationTitle(QStringLiteral("Statistique"));
}

void end() {
    statistique::unload();
}

}  // namespace program
