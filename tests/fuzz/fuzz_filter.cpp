// Any text through the filter of individuals, in a French and a point-decimal locale:
// nothing crashes, a fault names a column within the text (or just past it), a filter
// that reads keeps a selection whose count matches its flags, and a variable's name
// written by variableText reads back to that variable.

#include "core/individuals/filter.h"
#include "core/numbers.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

using namespace Qt::StringLiterals;
using namespace core::individuals;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

Dataset sample() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Variable sex{
        .name = u"Sexe"_s, .codes = {0, 1, Variable::kMissing, 0}, .labels = {u"F"_s, u"M"_s}};
    Variable height{
        .name = u"Taille (cm)"_s, .nature = Nature::Numeric, .numbers = {150, nan, 172.5, -3}};
    Variable code{
        .name = u"a]b \"c\""_s, .codes = {0, 0, 1, 2}, .labels = {u"01000"_s, u"x"_s, u"ET"_s}};
    Dataset d;
    d.assign({sex, height, code}, 4);
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    core::setRegionalLocale(data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : QLocale(QLocale::French, QLocale::France));
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    static const Dataset d = sample();
    const core::Reading<Filter> filter = parseFilter(text, d);
    if (!filter) {
        check(filter.error.line == 1);
        check(filter.error.column >= 1 && filter.error.column <= text.size() + 1);
        check(!filter.error.why.isEmpty());
        return 0;
    }
    const Selection s = evaluate(*filter.value, d);
    check(s.kept.size() == d.rowCount());
    std::size_t count = 0;
    for (std::uint8_t k : s.kept) check(k <= 1), count += k;
    check(count == s.count);
    // A name made of the text (names are read trimmed) reads back as itself, bracketed
    // where it must be.
    const QString name = text.left(40).trimmed();
    if (!name.isEmpty() && !name.contains(u'\n')) {
        Dataset named;
        named.assign({Variable{.name = name, .nature = Nature::Numeric, .numbers = {1}}}, 1);
        const auto back = parseFilter(comparisonText(name, Comparison::Equal, 1.0), named);
        check(back && back.value->root->variableIndex == 0);
        check(evaluate(*back.value, named).count == 1);
    }
    return 0;
}
