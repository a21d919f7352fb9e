#include "core/key_filter.h"

#include "core/key_codes.h"

namespace key_filter {

bool keyAllowed(int code) {
    using namespace core::key;
    return code == Enter || code == Left || code == Right || code == Delete || code == Backspace ||
           (code >= NumPad0 && code <= NumPad9) || code == Decimal || code == NumLock ||
           code == Comma;
}

Action actionFor(int code, bool typed) {
    if (!typed) return {};
    return {.erase = !keyAllowed(code), .replaceDecimal = code == core::key::Decimal};
}

QString allowedCharacters(QStringView text, QStringView separator, bool lines) {
    QString allowed;
    allowed.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!separator.isEmpty() && text.sliced(i).startsWith(separator)) {
            allowed += separator;
            i += separator.size() - 1;
        } else if ((c >= u'0' && c <= u'9') || (lines && (c == u'\r' || c == u'\n'))) {
            allowed += c;
        }
    }
    return allowed;
}

}  // namespace key_filter
