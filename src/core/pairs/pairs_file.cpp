#include "core/pairs/pairs_file.h"

#include "core/frequency_table.h"
#include "core/numbers.h"
#include "core/series_file.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core::pairs {
namespace {

struct Read {
    Pairs pairs;
};

Reading<Read> readRows(const QByteArray& bytes) {
    SeriesError error;
    const auto rows = readCellRows(bytes, error);
    if (!rows) return Reading<Read>::failure(error);
    Read read;
    std::size_t first = 0;
    if (!rows->empty()) {
        const QStringList& top = rows->front().cells;
        bool header = false;
        for (const QString& cell : top)
            header = header || (!cell.trimmed().isEmpty() && !cellNumber(cell));
        if (header) {
            first = 1;
            if (top.size() > 0 && !top[0].trimmed().isEmpty()) read.pairs.nameX = top[0].trimmed();
            if (top.size() > 1 && !top[1].trimmed().isEmpty()) read.pairs.nameY = top[1].trimmed();
        }
    }
    for (std::size_t r = first; r < rows->size(); ++r) {
        const CellRow& row = (*rows)[r];
        bool empty = true;
        for (const QString& cell : row.cells) empty = empty && cell.trimmed().isEmpty();
        if (empty) continue;  // a blank line between pairs holds nothing to lose
        double values[2];
        for (int c = 0; c < std::max<int>(2, int(row.cells.size())); ++c) {
            const QString cell = c < row.cells.size() ? row.cells[c].trimmed() : QString();
            if (c >= 2) {
                if (!cell.isEmpty())
                    return Reading<Read>::failure(
                        {row.line, c + 1, u"le fichier a plus de deux colonnes"_s, {}});
                continue;
            }
            if (cell.isEmpty())
                return Reading<Read>::failure(
                    {row.line,
                     c + 1,
                     c == 0 ? u"la valeur de x manque"_s : u"la valeur de y manque"_s,
                     {}});
            const auto text = cellNumber(cell);
            if (!text)
                return Reading<Read>::failure(
                    {row.line, c + 1, u"« %1 » n'est pas un nombre"_s.arg(cell), {}});
            values[c] = numberFromText(*text);
        }
        read.pairs.x.push_back(values[0]);
        read.pairs.y.push_back(values[1]);
    }
    return Reading<Read>::success(std::move(read));
}

}  // namespace

Reading<Pairs> readPairs(const QByteArray& bytes) {
    Reading<Read> read = readRows(bytes);
    if (!read) return Reading<Pairs>::failure(read.error);
    return Reading<Pairs>::success(std::move(read.value->pairs));
}

Reading<Pairs> readPairsFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return Reading<Pairs>::failure(error);
    return readPairs(*bytes);
}

Reading<Lorenz> readLorenzFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return Reading<Lorenz>::failure(error);
    // Three columns, or classes written "]a ; b]": a table of classes.
    const TableReading table = readTable(*bytes);
    if (table.value && table.value->nature == FrequencyTable::Nature::Classes) {
        if (table.faultyCell) return Reading<Lorenz>::failure(table.error);
        const Computed<Lorenz> l = lorenzFromTable(analyseTable(*table.value));
        if (!l) return Reading<Lorenz>::failure({0, 0, l.fault, {}});
        return Reading<Lorenz>::success(*l.value);
    }
    Reading<Read> read = readRows(*bytes);
    if (!read) return Reading<Lorenz>::failure(read.error);
    const Pairs& p = read.value->pairs;
    // Shares never pass 1: beyond it, values and their counts.
    const auto beyondOne = [](const std::vector<double>& v) {
        return std::any_of(v.begin(), v.end(), [](double x) { return x > 1; });
    };
    if (table.value && !table.faultyCell && (beyondOne(p.x) || beyondOne(p.y))) {
        const Computed<Lorenz> l = lorenzFromTable(analyseTable(*table.value));
        if (!l) return Reading<Lorenz>::failure({0, 0, l.fault, {}});
        return Reading<Lorenz>::success(*l.value);
    }
    std::vector<Point> shares;
    for (std::size_t i = 0; i < p.size(); ++i) shares.push_back({p.x[i], p.y[i]});
    const Computed<Lorenz> l = lorenzFromShares(shares);
    if (!l) return Reading<Lorenz>::failure({0, 0, l.fault, {}});
    return Reading<Lorenz>::success(*l.value);
}

QString explain(const ReadError& error, const QString& fileName) {
    return core::explain(error, fileName);
}

QByteArray pairsFile(const Pairs& pairs) {
    QString text = csvCell(pairs.nameX) + u';' + csvCell(pairs.nameY) + u"\r\n"_s;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        text += textOfNumber(pairs.x[i]) + u';' + textOfNumber(pairs.y[i]) + u"\r\n"_s;
    return "\xEF\xBB\xBF" + text.toUtf8();
}

}  // namespace core::pairs
