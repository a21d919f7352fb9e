#include "core/history.h"

using namespace Qt::StringLiterals;

namespace core {

QString undoText(const std::optional<QString>& step) {
    return step ? u"&Annuler « %1 »"_s.arg(*step) : u"&Annuler"_s;
}

QString redoText(const std::optional<QString>& step) {
    return step ? u"&Rétablir « %1 »"_s.arg(*step) : u"&Rétablir"_s;
}

}  // namespace core
