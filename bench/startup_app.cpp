// The program's own start-up, as main() does it, with its first frame reported.

#include "first_frame.h"
#include "main_window/program.h"
#include "main_window/statistique.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    program::prepare();
    statistique& window = program::mainWindow();
    new FirstFrame(&window);
    program::show(window);
    const int status = QApplication::exec();
    program::end();
    return status;
}
