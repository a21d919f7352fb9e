#include "core/key_filter.h"

#include "core/key_codes.h"

namespace key_filter {

bool toucheAutorisee(int code) {
    using namespace core::key;
    return code == Enter || code == Left || code == Right || code == Delete || code == Backspace ||
           (code >= NumPad0 && code <= NumPad9) || code == Decimal || code == NumLock ||
           code == Comma;
}

Action actionPour(int code, bool typed) {
    if (!typed) return {};
    return {.effacer = !toucheAutorisee(code), .remplacerDecimale = code == core::key::Decimal};
}

QString caracteresPermis(QStringView texte, QStringView separateur, bool lignes) {
    QString permis;
    permis.reserve(texte.size());
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (!separateur.isEmpty() && texte.sliced(i).startsWith(separateur)) {
            permis += separateur;
            i += separateur.size() - 1;
        } else if ((c >= u'0' && c <= u'9') || (lignes && (c == u'\r' || c == u'\n'))) {
            permis += c;
        }
    }
    return permis;
}

}  // namespace key_filter
