#include "core/history.h"

using namespace Qt::StringLiterals;

namespace core {

QString texteAnnuler(const std::optional<QString>& etape) {
    return etape ? u"&Annuler « %1 »"_s.arg(*etape) : u"&Annuler"_s;
}

QString texteRetablir(const std::optional<QString>& etape) {
    return etape ? u"&Rétablir « %1 »"_s.arg(*etape) : u"&Rétablir"_s;
}

}  // namespace core
