#include "main_window/key_filter.h"

#include "ui/key_codes.h"

namespace key_filter {

bool toucheAutorisee(int code) {
    using namespace ui::key;
    return code == Enter || code == Left || code == Right || code == Delete || code == Backspace ||
           (code >= NumPad0 && code <= NumPad9) || code == Decimal || code == NumLock ||
           code == Comma;
}

Action actionPour(int code, bool typed) {
    if (!typed) return {};
    return {.effacer = !toucheAutorisee(code), .remplacerDecimale = code == ui::key::Decimal};
}

}  // namespace key_filter
