#include "core/individuals/counts.h"

#include "core/graduations.h"
#include "core/numbers.h"
#include "core/series_file.h"
#include "core/sorted_numbers.h"

#include <QCollator>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

double percentOf(std::int64_t count, std::int64_t total) {
    return total > 0 ? double(count) / double(total) * 100 : 0;
}

// Distinct numbers in order of first appearance among the selected rows, with counts.
struct Distinct {
    std::vector<double> values;
    std::vector<std::int64_t> counts;
    std::int64_t missing = 0;
};

// None once more than `most` values differ.
std::optional<Distinct> distinct(const Variable& v, const Selection& s,
                                 std::size_t most = std::numeric_limits<std::size_t>::max()) {
    Distinct d;
    std::unordered_map<double, std::size_t> slot;
    for (std::size_t i = 0; i < v.numbers.size(); ++i) {
        if (!s.kept[i]) continue;
        const double x = v.numbers[i];
        if (std::isnan(x)) {
            ++d.missing;
            continue;
        }
        const auto [it, added] = slot.try_emplace(x, d.values.size());
        if (added) {
            if (d.values.size() == most) return std::nullopt;
            d.values.push_back(x);
            d.counts.push_back(0);
        }
        ++d.counts[it->second];
    }
    return d;
}

// The smallest and largest selected values; low > high where there are none.
std::pair<double, double> range(const Variable& v, const Selection& s) {
    // Without a branch on the selection: a row left out reads as NaN, which std::min
    // and std::max pass over as they do a missing value. Four running extremes, so that
    // each step need not wait for the one before.
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    double low[4] = {kInfinity, kInfinity, kInfinity, kInfinity};
    double high[4] = {-kInfinity, -kInfinity, -kInfinity, -kInfinity};
    const double* x = v.numbers.data();
    const std::uint8_t* kept = s.kept.data();
    const std::size_t n = v.numbers.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double y = kept[i] ? x[i] : kNone;
        low[i % 4] = std::min(low[i % 4], y);
        high[i % 4] = std::max(high[i % 4], y);
    }
    low[0] = std::min({low[0], low[1], low[2], low[3]});
    high[0] = std::max({high[0], high[1], high[2], high[3]});
    return {low[0], high[0]};
}

void sortRows(std::vector<Modality>& rows, Order order) {
    if (order == Order::Count) {
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Modality& a, const Modality& b) { return a.count > b.count; });
    } else if (order == Order::Alphabetical) {
        QCollator french(QLocale(QLocale::French, QLocale::France));
        french.setNumericMode(true);
        std::stable_sort(rows.begin(), rows.end(), [&](const Modality& a, const Modality& b) {
            return french.compare(a.label, b.label) < 0;
        });
    }
}

}  // namespace

Modalities modalities(const Dataset& dataset, int variable, const Selection& selection,
                      Order order) {
    const Variable& v = dataset.variables()[size_t(variable)];
    Modalities result;
    if (v.nature == Nature::Numeric) {
        Distinct d = *distinct(v, selection);
        // Numbers taken as words still come in the order of their values, the minus sign
        // and the decimals counted: "-5" before "-3", "2,5" before "10".
        std::vector<std::size_t> at(d.values.size());
        std::iota(at.begin(), at.end(), std::size_t(0));
        if (order == Order::Alphabetical)
            std::sort(at.begin(), at.end(),
                      [&d](std::size_t a, std::size_t b) { return d.values[a] < d.values[b]; });
        for (std::size_t k : at) result.rows.push_back({textOfNumber(d.values[k]), d.counts[k]});
        result.missing = d.missing;
        if (order == Order::Alphabetical) order = Order::Appearance;  // already in order
    } else {
        // One pass: a count per code, the missing ones in slot 0.
        std::vector<std::int64_t> counts(size_t(v.labels.size()) + 1, 0);
        const std::int32_t* codes = v.codes.data();
        const std::uint8_t* kept = selection.kept.data();
        for (std::size_t i = 0, n = v.codes.size(); i < n; ++i)
            counts[size_t(codes[i] + 1)] += kept[i];
        result.missing = counts[0];
        // Then the order the modalities are met in, stopping once all have been.
        std::vector<bool> met(counts.size(), false);
        std::size_t toMeet = 0;
        for (std::size_t c = 1; c < counts.size(); ++c) toMeet += counts[c] > 0;
        for (std::size_t i = 0; i < v.codes.size() && toMeet > 0; ++i) {
            const auto c = size_t(codes[i] + 1);
            if (!kept[i] || c == 0 || met[c]) continue;
            met[c] = true;
            --toMeet;
            result.rows.push_back({v.labels[qsizetype(c - 1)], counts[c]});
        }
    }
    for (const Modality& m : result.rows) result.total += m.count;
    for (Modality& m : result.rows) m.percent = percentOf(m.count, result.total);
    sortRows(result.rows, order);
    return result;
}

std::vector<double> selectedValues(const Dataset& dataset, int variable,
                                   const Selection& selection) {
    const Variable& v = dataset.variables()[size_t(variable)];
    std::vector<double> values;
    values.reserve(selection.count);
    for (std::size_t i = 0; i < v.numbers.size(); ++i)
        if (selection.kept[i] && !std::isnan(v.numbers[i])) values.push_back(v.numbers[i]);
    return values;
}

std::vector<ValueCount> countsByValue(const Dataset& dataset, int variable,
                                      const Selection& selection) {
    // Sorting the values and counting the runs costs the same whatever they are; a table
    // of the values met costs little while they are few, and much once each one differs
    // (an identifier).
    std::vector<ValueCount> counts;
    const auto few = distinct(dataset.variables()[size_t(variable)], selection, 4096);
    if (!few) {
        std::vector<double> values = selectedValues(dataset, variable, selection);
        sortNumbers(values);
        for (std::size_t i = 0; i < values.size();) {
            std::size_t j = i + 1;
            while (j < values.size() && values[j] == values[i]) ++j;
            counts.push_back({values[i], std::int64_t(j - i)});
            i = j;
        }
        return counts;
    }
    for (std::size_t k = 0; k < few->values.size(); ++k)
        counts.push_back({few->values[k], few->counts[k]});
    std::sort(counts.begin(), counts.end(),
              [](const ValueCount& a, const ValueCount& b) { return a.value < b.value; });
    return counts;
}

SeriesParameters numericParameters(const Dataset& dataset, int variable,
                                   const Selection& selection) {
    return parameters(selectedValues(dataset, variable, selection));
}

Classes classBounds(const Dataset& dataset, int variable, const Selection& selection, double width,
                    std::optional<double> start) {
    Classes result;
    result.width = width;
    if (!(width > 0) || !std::isfinite(width)) {
        result.fault = u"l'amplitude des classes doit être un nombre strictement positif"_s;
        return result;
    }
    const auto [low, high] = range(dataset.variables()[size_t(variable)], selection);
    if (!(low <= high)) {
        result.start = start.value_or(0);
        return result;
    }
    result.start = start ? *start : std::floor(low / width) * width;
    if (!std::isfinite(result.start)) result.start = low;
    if (result.start > low) {
        result.fault =
            u"la première borne (%1) dépasse le minimum (%2) : des valeurs seraient "
            u"laissées hors des classes"_s.arg(textOfNumber(result.start), textOfNumber(low));
        return result;
    }
    const double span = (high - result.start) / width;
    if (!(span < double(kMostClasses))) {
        result.fault =
            u"ces classes seraient plus de %1 : choisissez une amplitude plus grande"_s.arg(
                regionalLocale().toString(kMostClasses));
        return result;
    }
    // Bounds to 15 significant digits, as they are written: 0,3 is then the bound
    // 3 × 0,1 and not the double just above it.
    const auto bound = [&](std::int64_t k) {
        return QString::number(result.start + double(k) * width, 'g', 15).toDouble();
    };
    const auto n = std::int64_t(std::floor(span)) + 1;
    for (std::int64_t k = 0; k < n; ++k) result.rows.push_back({bound(k), bound(k + 1)});
    if (high >= result.rows.back().upper) result.rows.push_back({bound(n), bound(n + 1)});
    return result;
}

Classes classes(const Dataset& dataset, int variable, const Selection& selection, double width,
                std::optional<double> start) {
    Classes result = classBounds(dataset, variable, selection, width, start);
    if (result.rows.empty()) return result;
    // Every row is placed and adds its flag, so that no branch waits on the selection;
    // missing values go to a slot of their own past the classes.
    const Variable& v = dataset.variables()[size_t(variable)];
    const std::size_t n = result.rows.size();
    std::vector<std::int64_t> counts(n + 1, 0);
    const std::uint8_t* kept = selection.kept.data();
    for (std::size_t i = 0; i < v.numbers.size(); ++i) {
        const double x = v.numbers[i];
        counts[std::isnan(x) ? n : size_t(classIndex(result, x))] += kept[i];
    }
    for (std::size_t k = 0; k < n; ++k) {
        result.rows[k].count = counts[k];
        result.total += counts[k];
    }
    for (ClassCount& c : result.rows) c.percent = percentOf(c.count, result.total);
    return result;
}

double suggestedWidth(const Dataset& dataset, int variable, const Selection& selection) {
    const auto [low, high] = range(dataset.variables()[size_t(variable)], selection);
    if (!(low <= high)) return 1;
    const Axis axis = graduatedAxis(low, high, 8);
    const double step =
        axis.graduations.size() > 1 ? double(axis.graduations[1] - axis.graduations[0]) : 1.0;
    return step > 0 && std::isfinite(step) ? step : 1.0;
}

FrequencyTable toTable(const std::vector<ValueCount>& counts) {
    FrequencyTable table;
    for (const ValueCount& c : counts)
        table.lines.push_back({.value = textOfNumber(c.value), .count = QString::number(c.count)});
    return table;
}

FrequencyTable toTable(const Classes& classes) {
    FrequencyTable table{.nature = FrequencyTable::Nature::Classes, .closedRight = false};
    for (const ClassCount& c : classes.rows)
        table.lines.push_back({.lower = textOfNumber(c.lower),
                               .upper = textOfNumber(c.upper),
                               .count = QString::number(c.count)});
    return table;
}

std::optional<QStringList> toList(const std::vector<double>& values) {
    if (values.size() > kLongestList) return std::nullopt;
    QStringList list;
    for (double x : values) list << textOfNumber(x);
    return list;
}

QString percentText(double percent) {
    return formatThreeDecimals(percent);
}

Cells modalityCells(const Modalities& modalities) {
    Cells cells{{u"Modalité"_s, u"Effectif"_s, u"Fréquence (%)"_s}};
    for (const Modality& m : modalities.rows)
        cells.push_back({m.label, QString::number(m.count), percentText(m.percent)});
    cells.push_back({u"Total"_s, QString::number(modalities.total),
                     percentText(modalities.total > 0 ? 100 : 0)});
    return cells;
}

QStringList valueRow(const std::vector<ValueCount>& counts, std::int64_t total, std::size_t row) {
    if (row >= counts.size())
        return {u"Total"_s, QString::number(total), percentText(total > 0 ? 100 : 0)};
    const ValueCount& v = counts[row];
    return {textOfNumber(v.value), QString::number(v.count),
            percentText(percentOf(v.count, total))};
}

Cells classCells(const Classes& classes) {
    Cells cells{{u"Classe"_s, u"Effectif"_s, u"Fréquence (%)"_s}};
    for (const ClassCount& c : classes.rows)
        cells.push_back({intervalText(c.lower, c.upper, false), QString::number(c.count),
                         percentText(c.percent)});
    cells.push_back(
        {u"Total"_s, QString::number(classes.total), percentText(classes.total > 0 ? 100 : 0)});
    return cells;
}

Cells variableCells(const Dataset& dataset) {
    Cells cells{{u"Variable"_s, u"Nature"_s, u"Effectif"_s, u"Non renseignés"_s}};
    for (const Variable& v : dataset.variables())
        cells.push_back({v.name, v.nature == Nature::Numeric ? u"numérique"_s : u"qualitative"_s,
                         QString::number(std::int64_t(dataset.rowCount()) - v.missing),
                         QString::number(v.missing)});
    return cells;
}

Cells parameterCells(const SeriesParameters& parameters) {
    Cells cells{{u"Paramètre"_s, u"Valeur"_s}};
    const QStringList names = parameterNames(), values = parameterTexts(parameters);
    for (qsizetype i = 0; i < names.size(); ++i) cells.push_back({names[i], values[i]});
    return cells;
}

QString tabSeparated(const Cells& cells) {
    QString text;
    for (const QStringList& row : cells) {
        QStringList flat;
        // A tab or a line break inside a cell would split it in two.
        for (const QString& cell : row)
            flat << QString(cell).replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
        text += flat.join(u'\t') + u'\n';
    }
    return text;
}

QByteArray csvFile(const Cells& cells) {
    QString text;
    for (const QStringList& row : cells) {
        QStringList quoted;
        for (const QString& cell : row) quoted << csvCell(cell);
        text += quoted.join(u';') + u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

}  // namespace core::individuals
