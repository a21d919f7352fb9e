#include "ui/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {
constexpr char kTabProperty[] = "tabIndex";
constexpr double kStandardPoints = 8.25;
// The fallback faces are about a tenth wider than MS Sans Serif at the same size; the
// layouts were designed for the narrower face, so their text is set a tenth smaller.
constexpr double kFallbackWidth = 0.9;
}  // namespace

QColor colour(quint32 packed) {
    return QColor(int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF));
}

quint32 systemColour(int index) {
    switch (index) {
        case 2:
            return rgb(10, 36, 106);
        case 9:
            return rgb(255, 255, 255);
        default:
            return rgb(0, 0, 0);
    }
}

namespace {
struct Face {
    QString family;
    double scale;
};

// The face the design names where the machine has it, else the closest one present,
// found once: asking for a missing family at every control costs a font search each.
// Looked up among the families present: asking the font database for each family
// would resolve it as an alias, a search of its own.
const Face& face() {
    static const Face chosen = [] {
        const QStringList present = QFontDatabase::families();
        const auto has = [&](const QString& family) {
            return present.contains(family, Qt::CaseInsensitive);
        };
        const QString designed = QStringLiteral("MS Sans Serif");
        if (has(designed)) return Face{designed, 1.0};
        for (const char* family : {"Liberation Sans", "Arimo", "DejaVu Sans"})
            if (has(QString::fromLatin1(family)))
                return Face{QString::fromLatin1(family), kFallbackWidth};
        return Face{QString(), kFallbackWidth};
    }();
    return chosen;
}
}  // namespace

QFont font(double points, bool bold) {
    QFont f;
    if (!face().family.isEmpty()) f.setFamily(face().family);
    f.setStyleHint(QFont::SansSerif);
    const double size = (points > 0 ? points : kStandardPoints) * 96.0 / 72.0 * face().scale;
    f.setPixelSize(static_cast<int>(std::lround(size)));
    f.setBold(bold);
    return f;
}

StandardFontWhileMaking::StandardFontWhileMaking() : desktop_(QApplication::font()) {
    QApplication::setFont(font());
}

StandardFontWhileMaking::~StandardFontWhileMaking() {
    // Nothing to give it back to once the application has ended.
    if (QCoreApplication::instance()) QApplication::setFont(desktop_);
}

void applyLook(QWidget* control, const Look& look) {
    QPalette palette = control->palette();
    if (look.back) {
        const QColor back = colour(*look.back);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, back);
    }
    if (look.fore) {
        const QColor fore = colour(*look.fore);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, fore);
    }
    control->setPalette(palette);
    control->setFont(font(look.points, look.bold));
}

void setTabIndex(QWidget* control, int index) {
    control->setProperty(kTabProperty, index);
}

int tabIndex(const QWidget* control) {
    const QVariant v = control->property(kTabProperty);
    return v.isValid() ? v.toInt() : -1;
}

void applyTabOrder(QWidget* window) {
    std::vector<QWidget*> chain;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (tabIndex(w) >= 0 && w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
    std::stable_sort(chain.begin(), chain.end(),
                     [](QWidget* a, QWidget* b) { return tabIndex(a) < tabIndex(b); });
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace ui
