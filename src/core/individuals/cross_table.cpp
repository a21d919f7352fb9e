#include "core/individuals/cross_table.h"

#include "core/counted_series.h"
#include "core/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

// A side's category for every row (-1 where the value is missing), and their labels.
struct Grouping {
    std::vector<std::int32_t> owned;
    const std::int32_t* codes = nullptr;
    QStringList labels;
    bool keepEmpty = false;  // classes stay, even empty, so the bounds run on
    QString fault;
};

// A numeric variable's values met among the selected rows, ascending, as modalities
// written in the region's form. One look-up a selected row numbers the values as they
// come; their ranks then renumber the rows.
Grouping byValue(const Variable& v, const Selection& selection) {
    Grouping g;
    std::unordered_map<double, std::int32_t> code;
    std::vector<double> values;
    g.owned.resize(v.numbers.size());
    const std::uint8_t* on = selection.kept.data();
    for (std::size_t i = 0; i < v.numbers.size(); ++i) {
        const double x = v.numbers[i];
        if (!on[i] || std::isnan(x)) {
            g.owned[i] = -1;
            continue;
        }
        const auto [at, added] = code.try_emplace(x, std::int32_t(values.size()));
        if (added) {
            if (values.size() == kMostModalities) {
                g.fault =
                    u"%1 prise comme qualitative a plus de %2 modalités : groupez-la en classes"_s
                        .arg(v.name, regionalLocale().toString(qulonglong(kMostModalities)));
                return g;
            }
            values.push_back(x);
        }
        g.owned[i] = at->second;
    }
    std::vector<std::int32_t> order(values.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&values](std::int32_t a, std::int32_t b) { return values[a] < values[b]; });
    std::vector<std::int32_t> rank(values.size() + 1);  // the missing stay -1
    rank[0] = -1;
    for (std::size_t k = 0; k < order.size(); ++k) {
        rank[size_t(order[k]) + 1] = std::int32_t(k);
        g.labels << textOfNumber(values[size_t(order[k])]);
    }
    for (std::int32_t& c : g.owned) c = rank[size_t(c + 1)];
    g.codes = g.owned.data();
    return g;
}

Grouping group(const Dataset& dataset, const Side& side, const Selection& selection) {
    const Variable& v = dataset.variables()[size_t(side.variable)];
    Grouping g;
    if (v.nature == Nature::Qualitative) {
        g.codes = v.codes.data();
        g.labels = v.labels;
        return g;
    }
    if (side.asModalities) return byValue(v, selection);
    const double width = side.width.value_or(suggestedWidth(dataset, side.variable, selection));
    const Classes c = classBounds(dataset, side.variable, selection, width, side.start);
    g.fault = c.fault;
    if (!g.fault.isEmpty()) return g;
    for (const ClassCount& k : c.rows) g.labels << intervalText(k.lower, k.upper, false);
    g.keepEmpty = true;
    g.owned.resize(v.numbers.size(), -1);
    // Every value is placed, selected or not (a row left out counts for nothing), so
    // that no branch waits on the selection.
    if (!c.rows.empty())
        for (std::size_t i = 0; i < v.numbers.size(); ++i)
            if (!std::isnan(v.numbers[i])) g.owned[i] = std::int32_t(classIndex(c, v.numbers[i]));
    g.codes = g.owned.data();
    return g;
}

// The categories that stay, in order: all classes, the modalities met.
std::vector<int> kept(const Grouping& g, const std::vector<std::int64_t>& totals) {
    std::vector<int> stay;
    for (std::size_t k = 0; k < totals.size(); ++k)
        if (g.keepEmpty || totals[k] > 0) stay.push_back(int(k));
    return stay;
}

QString percent(double p) {
    return regionalLocale().toString(p, 'f', 1) + u" %"_s;
}

QString individuals(std::int64_t n) {
    return u"%1 %2"_s.arg(n).arg(n > 1 ? u"individus"_s : u"individu"_s);
}

}  // namespace

std::int64_t CrossTable::count(int row, int column) const {
    if (row == rows() && column == columns()) return total;
    if (row == rows()) return columnTotals[size_t(column)];
    if (column == columns()) return rowTotals[size_t(row)];
    return counts[size_t(row) * size_t(columns()) + size_t(column)];
}

CrossTable crossTable(const Dataset& dataset, const Side& rows, const Side& columns,
                      const Selection& selection) {
    CrossTable table;
    table.rowName = dataset.variables()[size_t(rows.variable)].name;
    table.columnName = dataset.variables()[size_t(columns.variable)].name;
    const Grouping r = group(dataset, rows, selection);
    const Grouping c = group(dataset, columns, selection);
    table.fault = !r.fault.isEmpty() ? r.fault : c.fault;
    if (!table.fault.isEmpty()) return table;
    // Missing values fall in row or column 0 of the grid, left out below.
    const std::size_t width = size_t(c.labels.size()) + 1;
    if ((size_t(r.labels.size()) + 1) * width > kMostCells) {
        table.fault =
            u"Ce tableau croisé aurait %1 × %2 cases : groupez une variable en classes"_s.arg(
                regionalLocale().toString(r.labels.size()),
                regionalLocale().toString(c.labels.size()));
        return table;
    }
    std::vector<std::int64_t> grid((size_t(r.labels.size()) + 1) * width, 0);
    const std::uint8_t* on = selection.kept.data();
    for (std::size_t i = 0, n = dataset.rowCount(); i < n; ++i)
        grid[size_t(r.codes[i] + 1) * width + size_t(c.codes[i] + 1)] += on[i];
    std::vector<std::int64_t> rowSums(size_t(r.labels.size()), 0), columnSums(width - 1, 0);
    for (std::size_t a = 0; a < rowSums.size(); ++a)
        for (std::size_t b = 0; b < columnSums.size(); ++b) {
            rowSums[a] += grid[(a + 1) * width + b + 1];
            columnSums[b] += grid[(a + 1) * width + b + 1];
        }
    const std::vector<int> keptRows = kept(r, rowSums), keptColumns = kept(c, columnSums);
    for (int a : keptRows) {
        table.rowLabels << r.labels[a];
        table.rowTotals.push_back(rowSums[size_t(a)]);
        for (int b : keptColumns)
            table.counts.push_back(grid[size_t(a + 1) * width + size_t(b + 1)]);
    }
    for (int b : keptColumns) {
        table.columnLabels << c.labels[b];
        table.columnTotals.push_back(columnSums[size_t(b)]);
    }
    for (std::int64_t t : table.rowTotals) table.total += t;
    return table;
}

std::optional<double> share(const CrossTable& table, Percentages percentages, int row, int column) {
    std::int64_t whole = table.total;
    if (percentages == Percentages::None) return std::nullopt;
    if (percentages == Percentages::Row && row < table.rows()) whole = table.rowTotals[size_t(row)];
    if (percentages == Percentages::Column && column < table.columns())
        whole = table.columnTotals[size_t(column)];
    if (whole <= 0) return std::nullopt;
    return double(table.count(row, column)) / double(whole) * 100;
}

Cells crossCells(const CrossTable& table, Percentages percentages) {
    Cells cells{QStringList{table.rowName + u" \\ "_s + table.columnName} + table.columnLabels +
                QStringList{u"Total"_s}};
    for (int row = 0; row <= table.rows(); ++row) {
        QStringList line{row < table.rows() ? table.rowLabels[row] : u"Total"_s};
        for (int column = 0; column <= table.columns(); ++column) {
            if (percentages == Percentages::None) {
                line << QString::number(table.count(row, column));
            } else {
                const auto p = share(table, percentages, row, column);
                line << (p ? percentText(*p) : u"—"_s);
            }
        }
        cells.push_back(line);
    }
    return cells;
}

QString explainCell(const CrossTable& table, Percentages percentages, int row, int column) {
    const bool totalRow = row == table.rows(), totalColumn = column == table.columns();
    const QString rowLabel = totalRow ? QString() : table.rowLabels[row];
    const QString columnLabel = totalColumn ? QString() : table.columnLabels[column];
    const QString hasRow = u"« %1 » pour %2"_s.arg(rowLabel, table.rowName);
    const QString hasColumn = u"« %1 » pour %2"_s.arg(columnLabel, table.columnName);
    const std::int64_t n = table.count(row, column);
    if (totalRow && totalColumn)
        return u"%1 %2 une valeur pour %3 et pour %4"_s.arg(
            individuals(n), n > 1 ? u"ont"_s : u"a"_s, table.rowName, table.columnName);
    // A total is a marginal frequency, whichever percentages the table shows.
    if (totalRow || totalColumn) {
        const QString what = totalRow ? hasColumn : hasRow;
        if (percentages == Percentages::None || table.total == 0)
            return u"%1 %2 %3"_s.arg(individuals(n), n > 1 ? u"ont"_s : u"a"_s, what);
        return u"%1 des individus ont %2 : fréquence marginale"_s.arg(
            percent(double(n) / double(table.total) * 100), what);
    }
    if (percentages == Percentages::None)
        return u"%1 %2 %3 et %4"_s.arg(individuals(n), n > 1 ? u"ont"_s : u"a"_s, hasRow,
                                       hasColumn);
    const auto p = share(table, percentages, row, column);
    if (percentages == Percentages::Total)
        return p ? u"%1 des individus ont %2 et %3 : fréquence du couple"_s.arg(percent(*p), hasRow,
                                                                                hasColumn)
                 : u"Aucun individu n'a de valeur pour les deux variables"_s;
    const bool byRow = percentages == Percentages::Row;
    const QString among = byRow ? rowLabel : columnLabel;
    if (!p) return u"Aucun individu « %1 » : pas de fréquence conditionnelle"_s.arg(among);
    return u"Parmi les individus « %1 », %2 ont %3 : fréquence conditionnelle"_s.arg(
        among, percent(*p), byRow ? hasColumn : hasRow);
}

}  // namespace core::individuals
