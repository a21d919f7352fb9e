#include "main_window/program.h"
#include "main_window/statistique.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    program::prepare();
    statistique::instance().showCentred();
    const int status = QApplication::exec();
    program::end();
    return status;
}
