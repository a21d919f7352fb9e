#include "core/frequency_table.h"

#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = FrequencyTable::Nature;

std::optional<double> number(const QString& text) {
    const auto cell = cellNumber(text);
    if (!cell) return std::nullopt;
    return readNumber(*cell);
}

// A count is a whole number from 0 to 2^31 - 1.
std::optional<qint64> counted(const QString& text, QString& why) {
    const auto x = number(text);
    if (!x) {
        why = text.trimmed().isEmpty() ? u"la case est vide"_s
                                       : u"« %1 » n'est pas un nombre"_s.arg(text.trimmed());
        return std::nullopt;
    }
    if (*x < 0 || *x != std::floor(*x) || *x > double(kLargestTotalCount)) {
        why = u"un effectif est un nombre entier positif ou nul"_s;
        return std::nullopt;
    }
    return qint64(*x);
}

std::optional<double> bound(const QString& text, QString& why) {
    const auto x = number(text);
    if (!x) {
        why = text.trimmed().isEmpty() ? u"la case est vide"_s
                                       : u"« %1 » n'est pas un nombre"_s.arg(text.trimmed());
    }
    return x;
}

}  // namespace

bool FrequencyTable::Row::isEmpty() const {
    return value.trimmed().isEmpty() && lower.trimmed().isEmpty() && upper.trimmed().isEmpty() &&
           count.trimmed().isEmpty();
}

QStringList typedColumns(Nature nature) {
    if (nature == Nature::Classes)
        return {u"Borne inférieure"_s, u"Borne supérieure"_s, u"Effectif"_s};
    return {u"Valeur"_s, u"Effectif"_s};
}

QStringList computedColumns(Nature nature) {
    QStringList columns;
    if (nature == Nature::Classes) columns << u"Centre"_s << u"Amplitude"_s;
    columns << u"Fréquence (%)"_s << u"Effectif cumulé croissant"_s
            << u"Fréquence cumulée croissante (%)"_s;
    return columns;
}

QString cell(const FrequencyTable::Row& line, Nature nature, int column) {
    if (nature == Nature::Classes) {
        switch (column) {
            case 0:
                return line.lower;
            case 1:
                return line.upper;
            case 2:
                return line.count;
            default:
                return {};
        }
    }
    return column == 0 ? line.value : column == 1 ? line.count : QString();
}

void setCell(FrequencyTable::Row& line, Nature nature, int column, const QString& text) {
    QString* target = nullptr;
    if (nature == Nature::Classes)
        target = column == 0   ? &line.lower
                 : column == 1 ? &line.upper
                 : column == 2 ? &line.count
                               : nullptr;
    else
        target = column == 0 ? &line.value : column == 1 ? &line.count : nullptr;
    if (target) *target = text;
}

FrequencyTable exerciseTable() {
    FrequencyTable t{.nature = Nature::Classes, .closedRight = true};
    const int counts[8] = {5, 14, 31, 124, 106, 51, 22, 7};
    for (int i = 0; i < 8; ++i)
        t.lines.push_back({.lower = QString::number(90 + 10 * i),
                           .upper = QString::number(100 + 10 * i),
                           .count = QString::number(counts[i])});
    return t;
}

ReadRow readRow(const FrequencyTable::Row& l, Nature nature) {
    ReadRow read;
    if (l.isEmpty()) return read;
    read.empty = false;
    const bool classes = nature == Nature::Classes;
    const auto fault = [&](int column, const QString& why) {
        read.faultyColumn = column;
        read.why = why;
        return read;
    };
    QString why;
    if (classes) {
        const auto inf = bound(l.lower, why);
        if (!inf) return fault(0, why);
        const auto sup = bound(l.upper, why);
        if (!sup) return fault(1, why);
        if (!(*inf < *sup) || !std::isfinite(*sup - *inf))
            return fault(1, u"la borne supérieure doit dépasser la borne inférieure"_s);
        read.start = *inf;
        read.end = *sup;
    } else {
        const auto x = bound(l.value, why);
        if (!x) return fault(0, why);
        read.start = read.end = *x;
    }
    const auto n = counted(l.count, why);
    if (!n) return fault(classes ? 2 : 1, why);
    read.count = *n;
    return read;
}

TableAnalysis analyseTable(const FrequencyTable& table) {
    std::vector<ReadRow> readRows;
    readRows.reserve(table.lines.size());
    for (const FrequencyTable::Row& l : table.lines) readRows.push_back(readRow(l, table.nature));
    return analyseTable(table, readRows);
}

TableAnalysis analyseTable(const FrequencyTable& table, const std::vector<ReadRow>& readRows) {
    TableAnalysis a;
    a.nature = table.nature;
    a.closedRight = table.closedRight;
    a.lines.resize(readRows.size());
    const bool classes = table.nature == Nature::Classes;
    const int countColumn = classes ? 2 : 1;
    const auto fault = [&](size_t i, int column, const QString& why) {
        a.lines[i].faultyColumn = column;
        a.lines[i].why = why;
    };
    // Each row on its own first; the rows that read well, by position, then.
    std::vector<size_t> goodRows;
    std::vector<double> positions;
    std::vector<double> ends;
    std::vector<qint64> counts;
    for (size_t i = 0; i < readRows.size(); ++i) {
        const ReadRow& l = readRows[i];
        a.lines[i].empty = l.empty;
        if (l.empty) continue;
        if (l.faultyColumn >= 0) {
            fault(i, l.faultyColumn, l.why);
            continue;
        }
        goodRows.push_back(i);
        positions.push_back(l.start);
        ends.push_back(l.end);
        counts.push_back(l.count);
    }

    // A value twice, or two classes that overlap: the later row is at fault.
    std::vector<size_t> order(goodRows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t x, size_t y) { return positions[x] < positions[y]; });
    std::vector<bool> rejected(goodRows.size(), false);
    size_t holder = SIZE_MAX;  // the row whose class reaches furthest so far
    for (size_t k : order) {
        if (holder != SIZE_MAX) {
            const bool overlaps =
                classes ? positions[k] < ends[holder] : positions[k] == positions[holder];
            if (overlaps) {
                const size_t faulty = goodRows[k] > goodRows[holder] ? k : holder;
                rejected[faulty] = true;
                fault(goodRows[faulty], 0,
                      classes ? u"cette classe empiète sur une autre"_s
                              : u"cette valeur figure déjà dans le tableau"_s);
                if (faulty == k) continue;
            }
        }
        if (holder == SIZE_MAX || rejected[holder] || ends[k] > ends[holder]) holder = k;
    }

    // The total stays within 2^31 - 1: the row that would pass it is at fault.
    for (size_t k = 0; k < goodRows.size(); ++k) {
        if (rejected[k]) continue;
        if (a.total + counts[k] > kLargestTotalCount) {
            rejected[k] = true;
            fault(goodRows[k], countColumn, u"l'effectif total dépasse 2 147 483 647"_s);
            continue;
        }
        a.total += counts[k];
        a.lines[goodRows[k]].rank = classes ? int(a.classes.size()) : int(a.values.size());
        if (classes)
            a.classes.push_back({positions[k], ends[k], counts[k]});
        else
            a.values.push_back({positions[k], counts[k]});
    }

    // Cumulated in ascending order, whatever order the rows were typed in.
    const size_t n = classes ? a.classes.size() : a.values.size();
    std::vector<size_t> ascending(n);
    std::iota(ascending.begin(), ascending.end(), size_t(0));
    const auto position = [&](size_t r) {
        return classes ? a.classes[r].lower : a.values[r].value;
    };
    std::sort(ascending.begin(), ascending.end(),
              [&](size_t x, size_t y) { return position(x) < position(y); });
    a.cumulativeCounts.assign(n, 0);
    qint64 runningTotal = 0;
    for (size_t r : ascending) {
        runningTotal += classes ? a.classes[r].count : a.values[r].count;
        a.cumulativeCounts[r] = runningTotal;
    }
    for (size_t i = 0; i < a.lines.size(); ++i)
        if (a.lines[i].faultyColumn >= 0) {
            a.firstFault = int(i);
            break;
        }
    return a;
}

QString faultText(const TableAnalysis& a) {
    if (a.firstFault < 0) return {};
    const RowAnalysis& l = a.lines[size_t(a.firstFault)];
    const QString column = typedColumns(a.nature).value(l.faultyColumn);
    return u"Ligne %1, %2 : %3 ; la ligne n'est pas comptée."_s.arg(a.firstFault + 1)
        .arg(column, l.why);
}

}  // namespace core
