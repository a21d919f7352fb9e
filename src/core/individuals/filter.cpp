#include "core/individuals/filter.h"

#include "core/numbers.h"

#include <algorithm>
#include <bit>
#include <cstring>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

template <class Keep>
void compareNumbers(const std::vector<double>& x, std::uint8_t* out, Keep keep) {
    const double* in = x.data();
    const std::size_t n = x.size();
    for (std::size_t i = 0; i < n; ++i) out[i] = keep(in[i]);
}

// NaN, the missing value, fails every one of these.
void compareNumbers(const std::vector<double>& x, Comparison c, double v, std::uint8_t* out) {
    switch (c) {
        case Comparison::Equal:
            return compareNumbers(x, out, [v](double a) { return a == v; });
        case Comparison::NotEqual:
            return compareNumbers(x, out, [v](double a) { return (a < v) | (a > v); });
        case Comparison::Less:
            return compareNumbers(x, out, [v](double a) { return a < v; });
        case Comparison::LessOrEqual:
            return compareNumbers(x, out, [v](double a) { return a <= v; });
        case Comparison::Greater:
            return compareNumbers(x, out, [v](double a) { return a > v; });
        case Comparison::GreaterOrEqual:
            return compareNumbers(x, out, [v](double a) { return a >= v; });
    }
}

// Flags combined eight at a time, as whole words: the byte loops are not vectorised at
// this optimisation level, and a million rows are a million steps otherwise.
template <class Combine>
void combine(std::uint8_t* out, const std::uint8_t* in, std::size_t rows, Combine f) {
    std::size_t i = 0;
    for (; i + 8 <= rows; i += 8) {
        std::uint64_t a, b;
        std::memcpy(&a, out + i, 8);
        std::memcpy(&b, in + i, 8);
        a = f(a, b);
        std::memcpy(out + i, &a, 8);
    }
    for (; i < rows; ++i) out[i] = std::uint8_t(f(out[i], in[i]) & 1);
}

bool holds(double a, Comparison c, double v) {
    std::uint8_t out = 0;
    compareNumbers(std::vector<double>{a}, c, v, &out);
    return out != 0;
}

// Which codes of a qualitative variable satisfy the comparison, shifted by one so that
// the missing code -1 looks up entry 0, which never does. A text is looked up once:
// exactly, or else ignoring case; a number matches the modalities that read as it.
std::vector<std::uint8_t> keptCodes(const Variable& v, const FilterNode& n) {
    std::vector<std::uint8_t> kept(size_t(v.labels.size()) + 1, 0);
    if (n.valueIsText) {
        qsizetype found = v.labels.indexOf(n.text);
        if (found < 0)
            for (qsizetype i = 0; i < v.labels.size() && found < 0; ++i)
                if (v.labels[i].compare(n.text, Qt::CaseInsensitive) == 0) found = i;
        const bool equal = n.comparison == Comparison::Equal;
        for (qsizetype i = 0; i < v.labels.size(); ++i) kept[size_t(i) + 1] = (i == found) == equal;
        return kept;
    }
    for (qsizetype i = 0; i < v.labels.size(); ++i) {
        const auto number = readNumber(v.labels[i]);
        const bool same = v.labels[i] == n.text;
        if (number)
            kept[size_t(i) + 1] = holds(*number, n.comparison, n.number);
        else if (n.comparison == Comparison::Equal || n.comparison == Comparison::NotEqual)
            kept[size_t(i) + 1] = same == (n.comparison == Comparison::Equal);
    }
    return kept;
}

void evaluate(const FilterNode& n, const Dataset& d, std::uint8_t* out) {
    const std::size_t rows = d.rowCount();
    switch (n.kind) {
        case FilterNode::Kind::Compare: {
            const Variable& v = d.variables()[size_t(n.variableIndex)];
            if (v.nature == Nature::Numeric)
                return compareNumbers(v.numbers, n.comparison, n.number, out);
            const std::vector<std::uint8_t> kept = keptCodes(v, n);
            const std::uint8_t* table = kept.data() + 1;
            const std::int32_t* codes = v.codes.data();
            for (std::size_t i = 0; i < rows; ++i) out[i] = table[codes[i]];
            return;
        }
        case FilterNode::Kind::Not:
            evaluate(n.operands.front(), d, out);
            combine(out, out, rows,
                    [](std::uint64_t a, std::uint64_t) { return a ^ 0x0101010101010101u; });
            return;
        case FilterNode::Kind::And:
        case FilterNode::Kind::Or: {
            evaluate(n.operands.front(), d, out);
            std::vector<std::uint8_t> next(rows);
            const bool both = n.kind == FilterNode::Kind::And;
            for (std::size_t k = 1; k < n.operands.size(); ++k) {
                evaluate(n.operands[k], d, next.data());
                if (both)
                    combine(out, next.data(), rows,
                            [](std::uint64_t a, std::uint64_t b) { return a & b; });
                else
                    combine(out, next.data(), rows,
                            [](std::uint64_t a, std::uint64_t b) { return a | b; });
            }
            return;
        }
    }
}

}  // namespace

Selection evaluate(const Filter& filter, const Dataset& dataset) {
    const std::size_t rows = dataset.rowCount();
    if (!filter.root) return Selection::all(rows);
    Selection selection{std::vector<std::uint8_t>(rows), 0};
    evaluate(*filter.root, dataset, selection.kept.data());
    // Each flag is 0 or 1, so the bits set in eight of them are how many are kept.
    std::size_t count = 0, i = 0;
    const std::uint8_t* kept = selection.kept.data();
    for (; i + 8 <= rows; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, kept + i, 8);
        count += std::size_t(std::popcount(word));
    }
    for (; i < rows; ++i) count += kept[i];
    selection.count = count;
    return selection;
}

QString selectionSentence(const Selection& selection, std::size_t rows) {
    QLocale locale = regionalLocale();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString word = selection.count > 1 ? u"individus"_s : u"individu"_s;
    return u"%1 %2 sur %3"_s.arg(locale.toString(qulonglong(selection.count)), word,
                                 locale.toString(qulonglong(rows)));
}

QString operatorText(Comparison comparison) {
    switch (comparison) {
        case Comparison::Equal:
            return u"="_s;
        case Comparison::NotEqual:
            return u"≠"_s;
        case Comparison::Less:
            return u"<"_s;
        case Comparison::LessOrEqual:
            return u"≤"_s;
        case Comparison::Greater:
            return u">"_s;
        case Comparison::GreaterOrEqual:
            return u"≥"_s;
    }
    return {};
}

QString comparisonText(const QString& variable, Comparison comparison, const QString& value,
                       bool numeric) {
    if (numeric)
        if (const auto number = readNumber(value))
            return comparisonText(variable, comparison, *number);
    const QString text = u'"' + QString(value).replace(u"\""_s, u"\"\""_s) + u'"';
    return variableText(variable) + u' ' + operatorText(comparison) + u' ' + text;
}

QString comparisonText(const QString& variable, Comparison comparison, double value) {
    return variableText(variable) + u' ' + operatorText(comparison) + u' ' + textOfNumber(value);
}

QString joinFilters(const QString& filter, bool conjunction, const QString& added) {
    if (filter.trimmed().isEmpty()) return added;
    if (added.trimmed().isEmpty()) return filter;
    // Under ET, a filter whose top is OU would lose its meaning without parentheses.
    const auto wrapped = [conjunction](const QString& f) {
        const Reading<FilterNode> tree = parseFilterSyntax(f);
        const bool loose = tree && tree.value->kind == FilterNode::Kind::Or;
        return conjunction && loose ? u'(' + f.trimmed() + u')' : f.trimmed();
    };
    return wrapped(filter) + (conjunction ? u" ET "_s : u" OU "_s) + wrapped(added);
}

}  // namespace core::individuals
