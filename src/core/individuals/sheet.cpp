#include "core/individuals/sheet.h"

using namespace Qt::StringLiterals;

namespace core::individuals {

Reading<Dataset> readSheet(const QByteArray&, std::optional<SheetKind>, const Progress&) {
    return Reading<Dataset>::failure({0, 0, u"à venir"_s, {}});
}

}  // namespace core::individuals
