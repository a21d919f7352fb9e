// The floor for any window that shows text: a bare Qt window with one caption, so the
// table can tell the toolkit's font start-up from the program's own.

#include "first_frame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Statistique"));
    window.setWindowTitle(QStringLiteral("Statistique"));
    window.resize(701, 579);
    new FirstFrame(&window);
    window.show();
    return QApplication::exec();
}
