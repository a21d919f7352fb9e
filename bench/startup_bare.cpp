// The toolkit's floor: an empty Qt window of the same size, its first frame reported.

#include "first_frame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Statistique"));
    window.resize(701, 579);
    new FirstFrame(&window);
    window.show();
    return QApplication::exec();
}
