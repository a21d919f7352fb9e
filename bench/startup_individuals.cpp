// The program started on a file of individuals, as `statistique --individuals=F` starts:
// the main window's first frame, then the file read on the thread pool, and the report
// once the window Individus has painted its grid filled with the file's rows.

#include "first_frame.h"
#include "main_window/program.h"
#include "main_window/statistique.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>

#include <cstdio>

namespace {

// Watches every paint, on the application: the window Individus is made on first use.
class GridShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || seen_ || !watched->isWidgetType()) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window->objectName() != QLatin1String("Individus")) return false;
        const auto* grid = window->findChild<QTableView*>(QStringLiteral("Grille_individus"));
        if (grid && watched == grid->viewport() && grid->model()->rowCount() > 0) {
            seen_ = true;
            QTimer::singleShot(0, [] { reportFrame(); });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <file of individuals>\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    const QString file = QString::fromLocal8Bit(argv[1]);
    program::prepare();
    statistique& window = program::mainWindow();
    application.installEventFilter(new GridShown(&application));
    program::show(window, [&window, file] { emit window.individualsFileRequested(file); });
    const int status = QApplication::exec();
    program::end();
    return status;
}
