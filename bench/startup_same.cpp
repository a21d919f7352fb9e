// The fair floor for the program's start: a plain Qt window, with no code of the
// program's, that builds the same first frame directly: the same menu bar, the same
// controls at the same places, in the same fonts and colours, showing the same texts.
// What the program takes beyond it is what its own structure costs.

#include "first_frame.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Twips over 15: the device-independent pixels the program places its controls at.
QRect at(int left, int top, int width, int height) {
    return {int(std::lround(left / 15.0)), int(std::lround(top / 15.0)),
            int(std::lround(width / 15.0)), int(std::lround(height / 15.0))};
}

QColor packed(int r, int g, int b) {
    return QColor(r, g, b);
}

QFont fontOf(const QString& family, double points) {
    QFont f;
    if (!family.isEmpty()) f.setFamily(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(int(std::lround(points * 96.0 / 72.0 * 0.9)));
    return f;
}

template <class Control>
Control* place(Control* c, const QRect& r, const QFont& f, const QColor& back,
               QPalette::ColorRole role) {
    c->setGeometry(r);
    c->setFont(f);
    QPalette p = c->palette();
    p.setColor(role, back);
    c->setPalette(p);
    return c;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList present = QFontDatabase::families();
    const QString family = present.contains(QStringLiteral("Liberation Sans"), Qt::CaseInsensitive)
                               ? QStringLiteral("Liberation Sans")
                               : QString();
    const QFont standard = fontOf(family, 8.25), medium = fontOf(family, 9.75),
                big = fontOf(family, 12);
    const QColor white(255, 255, 255), list = packed(179, 220, 253), panel = packed(192, 192, 255),
                                       background = packed(114, 172, 231);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Statistique"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    auto* bar = new QMenuBar(&window);
    for (const char* menu : {"&Fichier", "É&dition", "&Statistiques", "E&xercices", "&Aide"})
        bar->addMenu(QString::fromUtf8(menu));
    auto* client = new QWidget(&window);
    client->setFixedSize(701, 579);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(client, 0, Qt::AlignLeft | Qt::AlignTop);

    const auto frame = [&](QRect r, QColor colour) {
        auto* f = new QFrame(client);
        f->setGeometry(r);
        f->setAutoFillBackground(true);
        QPalette p = f->palette();
        p.setColor(QPalette::Window, colour);
        f->setPalette(p);
    };
    frame(at(240, 240, 8295, 4815), packed(192, 255, 192));  // the chart area
    frame(at(240, 5280, 4935, 3015), panel);
    frame(at(5280, 5280, 2535, 3015), panel);
    const auto button = [&](const char* text, QRect r, const QFont& f) {
        place(new QPushButton(QString::fromUtf8(text), client), r, f, white, QPalette::Button);
    };
    const struct {
        const char* text;
        int top;
    } charts[] = {
        {"Camembert", 1320}, {"Bâtons", 2520}, {"Courbe simple", 3120}, {"Les deux", 3720}};
    for (const auto& c : charts)
        place(new QRadioButton(QString::fromUtf8(c.text), client), at(8640, c.top, 1695, 495), big,
              white, QPalette::Button);
    button("Aleatoire", at(360, 5400, 1335, 495), big);
    place(new QLineEdit(QStringLiteral("0"), client), at(360, 6240, 735, 375), big, background,
          QPalette::Base);
    button(">", at(1200, 6240, 495, 375), standard);
    button("<", at(1200, 6720, 495, 375), standard);
    button("<<", at(1200, 7200, 495, 375), standard);
    place(new QListWidget(client), at(1800, 5400, 1215, 2160), big, list, QPalette::Base);
    button("Fréquence", at(1680, 7680, 1335, 495), big);
    place(new QListWidget(client), at(3000, 5400, 2055, 1560), big, list, QPalette::Base);
    auto* results = place(new QLabel(QStringLiteral("Résultats"), client),
                          at(3120, 7080, 1860, 1035), medium, background, QPalette::Window);
    results->setWordWrap(true);
    place(new QCheckBox(QStringLiteral("Prendre en compte 2ème liste"), client),
          at(5640, 5400, 1935, 495), medium, panel, QPalette::Window);
    button("Aleatoire", at(5400, 6360, 1095, 495), big);
    place(new QPlainTextEdit(QStringLiteral("0"), client), at(6600, 6120, 975, 2055), medium,
          packed(255, 192, 192), QPalette::Base);
    button("Croissant", at(5560, 7320, 855, 375), standard);
    button("Décroiss", at(5560, 7800, 855, 375), standard);
    place(new QPushButton(QStringLiteral("EXERCICE"), client), at(8400, 7800, 1215, 495), standard,
          packed(255, 255, 128), QPalette::Button);

    window.resize(701, bar->sizeHint().height() + 579);
    new FirstFrame(&window);
    window.show();
    return QApplication::exec();
}
