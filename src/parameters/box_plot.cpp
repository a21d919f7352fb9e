#include "parameters/box_plot.h"

#include "core/numbers.h"
#include "ui/look.h"

#include <QPaintEvent>
#include <QPainter>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
constexpr int kMargeGauche = 64, kMargeDroite = 24, kHauteurBoite = 22;
constexpr int kLignes[2] = {28, 68};  // where each series stands
const char16_t* const kNoms[2] = {u"Série 1", u"Série 2"};
const QColor kCouleurs[2] = {QColor(0, 0, 255), QColor(255, 0, 0)};
}  // namespace

BoiteAMoustaches::BoiteAMoustaches(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(130);
    setAccessibleName(u"Diagramme en boîte"_s);
    setAutoFillBackground(true);
    QPalette blanc = palette();
    blanc.setColor(QPalette::Window, Qt::white);
    setPalette(blanc);
}

std::optional<BoiteAMoustaches::Boite> BoiteAMoustaches::boiteDe(const core::Parametres& p) {
    if (p.effectif == 0) return std::nullopt;
    return Boite{*p.minimum, *p.premierQuartile, *p.mediane, *p.troisiemeQuartile, *p.maximum};
}

void BoiteAMoustaches::montrer(const core::Parametres& serie1, const core::Parametres& serie2) {
    boites_[0] = boiteDe(serie1);
    boites_[1] = boiteDe(serie2);
    double bas = 0, haut = 1;
    bool premiere = true;
    QStringList description;
    for (int s = 0; s < 2; ++s) {
        if (!boites_[s]) continue;
        const Boite& b = *boites_[s];
        bas = premiere ? b.minimum : std::min(bas, b.minimum);
        haut = premiere ? b.maximum : std::max(haut, b.maximum);
        premiere = false;
        description << u"%1 : minimum %2, premier quartile %3, médiane %4, troisième quartile "
                       u"%5, maximum %6"_s.arg(
                           QString::fromUtf16(kNoms[s]), core::textOfNumber(b.minimum),
                           core::textOfNumber(b.q1), core::textOfNumber(b.mediane),
                           core::textOfNumber(b.q3), core::textOfNumber(b.maximum));
    }
    axe_ = core::axeGradue(bas, haut);
    setAccessibleDescription(description.isEmpty() ? u"aucune valeur"_s
                                                   : description.join(u" ; "_s));
    update();
}

void BoiteAMoustaches::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics mesures(font());
    std::vector<std::pair<double, QString>> valeurs;
    int plusLarge = 0;
    for (const long double graduation : axe_.graduations) {
        const double g = double(graduation);
        if (!std::isfinite(g)) continue;
        valeurs.emplace_back(g, core::textOfNumber(g == 0 ? 0.0 : g));
        plusLarge = std::max(plusLarge, mesures.horizontalAdvance(valeurs.back().second));
    }
    // The last value is centred under the axis's end: leave room for half of it.
    const double margeDroite = std::max(kMargeDroite, plusLarge / 2 + 4);
    const double longueur = width() - kMargeGauche - margeDroite;
    const auto x = [&](double v) { return kMargeGauche + axe_.position(v, longueur); };

    // The axis, its graduations and their values.
    const double yAxe = height() - 34;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(kMargeGauche, yAxe), QPointF(kMargeGauche + longueur, yAxe));
    for (const auto& [g, texte] : valeurs) {
        const double gx = x(g);
        p.drawLine(QPointF(gx, yAxe), QPointF(gx, yAxe + 5));
        p.drawText(QRectF(gx - plusLarge, yAxe + 7, 2 * plusLarge, mesures.height()),
                   Qt::AlignHCenter, texte);
    }

    for (int s = 0; s < 2; ++s) {
        if (!boites_[s]) continue;
        const Boite& b = *boites_[s];
        const double y = kLignes[s];
        p.setPen(kCouleurs[s]);
        p.drawText(QRectF(4, y - 10, kMargeGauche - 8, 20), Qt::AlignVCenter,
                   QString::fromUtf16(kNoms[s]));
        p.setPen(QPen(kCouleurs[s], 2));
        p.drawLine(QPointF(x(b.minimum), y), QPointF(x(b.q1), y));
        p.drawLine(QPointF(x(b.q3), y), QPointF(x(b.maximum), y));
        for (double bout : {b.minimum, b.maximum})
            p.drawLine(QPointF(x(bout), y - 6), QPointF(x(bout), y + 6));
        QColor fond = kCouleurs[s];
        fond.setAlpha(40);
        p.setBrush(fond);
        p.drawRect(QRectF(QPointF(x(b.q1), y - kHauteurBoite / 2.0),
                          QPointF(x(b.q3), y + kHauteurBoite / 2.0)));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCouleurs[s], 3));
        p.drawLine(QPointF(x(b.mediane), y - kHauteurBoite / 2.0),
                   QPointF(x(b.mediane), y + kHauteurBoite / 2.0));
    }
}
