// Of core/tableau_effectifs, tables in and out of CSV files, as a spreadsheet writes and
// reads them.

#include "core/frequency_table.h"

#include "core/numbers.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace core {
namespace {

using Nature = FrequencyTable::Nature;

TableReading rate(int line, int column, const QString& why) {
    TableReading reading;
    reading.error = {line, column, why};
    return reading;
}

bool looksLikeClass(const QString& cell) {
    const QString t = cell.trimmed();
    return !t.isEmpty() && (t.front() == u'[' || t.front() == u']');
}

}  // namespace

TableReading readTable(const QByteArray& bytes) {
    SeriesError error;
    auto rows = readCellRows(bytes, error);
    if (!rows) return {{std::nullopt, error}, false};
    // A class text holds the column separator itself when unquoted: "]90 ; 100];5".
    for (CellRow& row : *rows) {
        QStringList& c = row.cells;
        if (c.size() >= 2 && looksLikeClass(c[0]) && !readInterval(c[0]) &&
            readInterval(c[0] + u';' + c[1])) {
            c[0] += u';' + c[1];
            c.removeAt(1);
        }
        while (!c.isEmpty() && c.last().trimmed().isEmpty()) c.removeLast();
    }
    std::erase_if(*rows, [](const CellRow& row) { return row.cells.isEmpty(); });
    if (rows->empty()) return rate(0, 0, u"il ne contient aucune ligne"_s);

    // The header, where there is one, is a row with a cell that is neither a number nor
    // a class.
    size_t start = 0;
    const CellRow& first = rows->front();
    bool header = false;
    for (const QString& c : first.cells)
        if (!c.trimmed().isEmpty() && !cellNumber(c) && !readInterval(c)) header = true;
    if (header) start = 1;
    if (start == rows->size()) return rate(0, 0, u"il ne contient aucune ligne"_s);

    FrequencyTable t;
    const CellRow& model = (*rows)[start];
    // Classes written as texts: under a header "Classe", or where the first row holds a
    // text that reads as a class. The first that reads says on which side they close.
    const bool classTexts =
        (header && first.cells.value(0).trimmed().compare(u"Classe"_s, Qt::CaseInsensitive) == 0) ||
        bool(readInterval(model.cells.value(0)));
    int width = int(model.cells.size());
    if (header && !classTexts) width = std::max(width, int(first.cells.size()));
    if (classTexts) {
        t.nature = Nature::Classes;
        for (size_t r = start; r < rows->size(); ++r)
            if (const auto c = readInterval((*rows)[r].cells.value(0))) {
                t.closedRight = c->closedRight;
                break;
            }
    } else {
        t.nature = width >= 3 ? Nature::Classes : Nature::Values;
    }
    const int columns = classTexts ? 2 : t.nature == Nature::Classes ? 3 : 2;
    TableReading reading;
    for (size_t r = start; r < rows->size(); ++r) {
        CellRow& row = (*rows)[r];
        // A class that does not read, split by the separator all the same: "]1 ; x];2".
        if (classTexts && row.cells.size() == 3 && looksLikeClass(row.cells[0])) {
            row.cells[0] += u';' + row.cells[1];
            row.cells.removeAt(1);
        }
        if (row.cells.size() > columns)
            return rate(row.line, columns + 1, u"le tableau a plus de %1 colonnes"_s.arg(columns));
        if (t.lines.size() == size_t(kMostValues))
            return rate(row.line, 1, u"le tableau a plus de 32 767 lignes"_s);
        // Numbers as the window shows them; a cell that is none stays as it was.
        const auto text = [&](int c) {
            const QString raw = row.cells.value(c).trimmed();
            return cellNumber(raw).value_or(raw);
        };
        FrequencyTable::Row line;
        if (classTexts) {
            const QString raw = row.cells.value(0).trimmed();
            if (const auto c = readInterval(raw)) {
                line.lower = textOfNumber(c->lower);
                line.upper = textOfNumber(c->upper);
                if (c->closedRight != t.closedRight && !reading.faultyCell) {
                    reading.faultyCell = true;
                    reading.error = {row.line, 1,
                                     u"les classes ne sont pas toutes fermées du même côté"_s};
                }
            } else {
                // Its bounds as typed, so that nothing of it is lost: "[abc ; 5[".
                QStringView inside(raw);
                if (looksLikeClass(raw)) inside = inside.sliced(1);
                if (inside.endsWith(u'[') || inside.endsWith(u']')) inside.chop(1);
                const qsizetype cut = inside.indexOf(u';');
                const auto readBound = [](QStringView b) {
                    const QString text = b.trimmed().toString();
                    return cellNumber(text).value_or(text);
                };
                line.lower = readBound(cut < 0 ? inside : inside.first(cut));
                if (cut >= 0) line.upper = readBound(inside.sliced(cut + 1));
                if (!reading.faultyCell) {
                    reading.faultyCell = true;
                    reading.error = {row.line, 1, u"« %1 » n'est pas une classe"_s.arg(raw)};
                }
            }
            line.count = text(1);
        } else if (t.nature == Nature::Classes) {
            line.lower = text(0);
            line.upper = text(1);
            line.count = text(2);
        } else {
            line.value = text(0);
            line.count = text(1);
        }
        t.lines.push_back(line);
    }
    // Brackets with nothing in them hold no row.
    if (std::all_of(t.lines.begin(), t.lines.end(),
                    [](const FrequencyTable::Row& l) { return l.isEmpty(); }))
        return rate(0, 0, u"il ne contient aucune ligne"_s);
    // The first fault of the cells, with the file's line and column.
    if (!reading.faultyCell) {
        const TableAnalysis a = analyseTable(t);
        if (a.firstFault >= 0) {
            const RowAnalysis& l = a.lines[size_t(a.firstFault)];
            const int column = classTexts ? (l.faultyColumn <= 1 ? 1 : 2) : l.faultyColumn + 1;
            reading.faultyCell = true;
            reading.error = {(*rows)[start + size_t(a.firstFault)].line, column, l.why};
        }
    }
    reading.value = std::move(t);
    return reading;
}

TableReading readTableFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return {{std::nullopt, error}, false};
    return readTable(*bytes);
}

QByteArray tableFile(const FrequencyTable& t) {
    const bool classes = t.nature == Nature::Classes;
    // Bounds alone would read back as ]a, b]: classes [a, b[ are written as texts.
    if (classes && !t.closedRight) {
        QString text = u"Classe;Effectif\r\n"_s;
        for (const FrequencyTable::Row& l : t.lines) {
            if (l.isEmpty()) continue;
            text += csvCell(u"[%1 ; %2["_s.arg(l.lower.trimmed(), l.upper.trimmed())) + u';' +
                    csvCell(l.count.trimmed()) + u"\r\n"_s;
        }
        return "\xEF\xBB\xBF" + text.toUtf8();
    }
    QString text = typedColumns(t.nature).join(u';') + u"\r\n"_s;
    for (const FrequencyTable::Row& l : t.lines) {
        if (l.isEmpty()) continue;
        QStringList cells;
        for (int c = 0; c < (classes ? 3 : 2); ++c)
            cells << csvCell(cell(l, t.nature, c).trimmed());
        text += cells.join(u';') + u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

}  // namespace core
