#include "core/series_file.h"

#include "core/csv/decoding.h"
#include "core/csv/number.h"
#include "core/csv/rows.h"
#include "core/numbers.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// Far more than 32,767 rows of two numbers; a larger file is no series.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

SeriesReading failure(int line, int column, const QString& why) {
    return {std::nullopt, {line, column, why}};
}

bool blank(QStringView cell) {
    return cell.trimmed().isEmpty();
}

// A spreadsheet writes numbers "as shown" with their digits in groups of three, parted
// by a blank, a no-break space or a narrow no-break space: 1 234,5.
QString ungrouped(QStringView text) {
    const auto blankAt = [&](qsizetype i) {
        return text[i] == u' ' || text[i] == u'\u00a0' || text[i] == u'\u202f';
    };
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    qsizetype lead = 0;
    while (i + lead < text.size() && text[i + lead].isDigit()) ++lead;
    if (lead < 1 || lead > 3) return text.toString();
    QString out = text.first(i + lead).toString();
    qsizetype at = i + lead;
    bool grouped = false;
    while (at + 4 <= text.size() && blankAt(at) && text[at + 1].isDigit() &&
           text[at + 2].isDigit() && text[at + 3].isDigit() &&
           (at + 4 == text.size() || !text[at + 4].isDigit())) {
        out += text.sliced(at + 1, 3);
        at += 4;
        grouped = true;
    }
    if (!grouped) return text.toString();
    return out + text.sliced(at).toString();
}

}  // namespace

std::optional<QString> cellNumber(QStringView cell) {
    const QStringView trimmed = cell.trimmed();
    const qsizetype marks = trimmed.count(u'.') + trimmed.count(u',');
    if (marks > 1) return std::nullopt;
    QString text = ungrouped(trimmed);
    if (marks == 1) text.replace(u'.', decimalSeparator()).replace(u',', decimalSeparator());
    if (!readNumber(text)) return std::nullopt;
    return text;
}

namespace {

// cellNumber() for a cell of a file, sharing its text where it has nothing to rewrite: no
// blank, no mark but the regional one. Most cells are such, and a list of thousands of
// values then costs no copy of each.
std::optional<QString> valueOf(const QString& cell) {
    const QString& separator = decimalSeparator();
    const bool plain =
        separator.size() == 1 && std::all_of(cell.begin(), cell.end(), [&](QChar c) {
            return (c >= u'0' && c <= u'9') || c == separator[0] || c == u'-' || c == u'+';
        });
    if (plain && !cell.isEmpty()) {
        if (readNumber(cell)) return cell;
        return std::nullopt;
    }
    return cellNumber(cell);
}

bool isHeader(const QStringList& cells) {
    for (const QString& cell : cells)
        if (!cell.trimmed().isEmpty() && !valueOf(cell)) return true;
    return false;
}

using Row = CellRow;

// The rows of UTF-8 text, or why they cannot be read. Blank lines at both ends are
// left out.
SeriesReading rowsOf(std::string_view text, std::vector<Row>& rows) {
    csv::RowReader reader(text, csv::separatorOf(text));
    for (;;) {
        const csv::RowReader::Step step = reader.next();
        if (step == csv::RowReader::Step::End) break;
        // A series names only the line of a quote left open.
        if (step == csv::RowReader::Step::Fault)
            return failure(reader.fault().line, 0, reader.fault().why);
        if (rows.empty() && reader.blank()) continue;
        QStringList cells;
        cells.reserve(qsizetype(reader.cells().size()));
        for (const std::string_view cell : reader.cells())
            cells << QString::fromUtf8(cell.data(), qsizetype(cell.size()));
        rows.push_back({reader.rowLine(), cells});
    }
    while (!rows.empty() && rows.back().cells.size() == 1 && blank(rows.back().cells.front()))
        rows.pop_back();
    return {TwoSeries{}, {}};
}

// The rows of a file's bytes, or why there are none.
SeriesReading rowsOfBytes(const QByteArray& bytes, std::vector<Row>& rows) {
    const Reading<csv::Utf8Text> text = csv::utf8Of(bytes);
    if (!text) return failure(0, 0, text.error.why);
    return rowsOf(text.value->view(), rows);
}

// Column 1 is the first series and column 2 the second; each runs down from the top
// without a gap, and nothing stands in a third column. Rows come one at a time, the
// first that is not blank first: a file's need not all be kept at once.
class Columns {
public:
    // Nothing, or why the row ends the reading.
    std::optional<SeriesReading> add(const Row& row) {
        if (first_) {
            first_ = false;
            if (isHeader(row.cells)) return std::nullopt;
        }
        for (int c = 0; c < std::max<int>(2, int(row.cells.size())); ++c) {
            const QStringView cell =
                c < row.cells.size() ? QStringView(row.cells[c]).trimmed() : QStringView();
            if (c >= 2) {
                if (!cell.isEmpty())
                    return failure(row.line, c + 1, u"le fichier a plus de deux colonnes"_s);
                continue;
            }
            if (cell.isEmpty()) {
                if (!endedAt_[c]) endedAt_[c] = row.line;
                continue;
            }
            if (endedAt_[c])
                return failure(endedAt_[c], c + 1, u"une case vide interrompt la série"_s);
            const auto value = valueOf(row.cells[c]);
            if (!value) return failure(row.line, c + 1, u"« %1 » n'est pas un nombre"_s.arg(cell));
            QStringList& column = c == 0 ? series_.first : series_.second;
            if (column.size() == kMostValues)
                return failure(row.line, c + 1, u"la série a plus de 32 767 valeurs"_s);
            column << *value;
        }
        return std::nullopt;
    }
    bool started() const { return !first_; }
    SeriesReading result() { return {std::move(series_), {}}; }

private:
    TwoSeries series_;
    std::array<int, 2> endedAt_ = {0, 0};  // the line of a column's first empty cell
    bool first_ = true;
};

SeriesReading seriesOfColumns(const std::vector<Row>& rows) {
    Columns columns;
    for (const Row& row : rows)
        if (auto fault = columns.add(row)) return std::move(*fault);
    return columns.result();
}

QString quoted(const QString& cell) {
    return csvCell(cell);
}

}  // namespace

QString csvCell(const QString& cell) {
    if (!cell.contains(u';') && !cell.contains(u'"') && !cell.contains(u'\n') &&
        !cell.contains(u'\r'))
        return cell;
    return u'"' + QString(cell).replace(u"\""_s, u"\"\""_s) + u'"';
}

std::optional<std::vector<CellRow>> readCellRows(const QByteArray& bytes, SeriesError& error) {
    if (bytes.size() > kLargestFile) {
        error = {0, 0, u"il est trop grand pour une série"_s};
        return std::nullopt;
    }
    std::vector<Row> rows;
    if (SeriesReading read = rowsOfBytes(bytes, rows); !read.value) {
        error = read.error;
        return std::nullopt;
    }
    return rows;
}

std::optional<QByteArray> readFileBytes(const QString& path, SeriesError& error) {
    const QFileInfo info(path);
    error = {};
    if (!info.exists())
        error.why = u"ce fichier n'existe pas"_s;
    else if (info.isDir())
        error.why = u"c'est un dossier"_s;
    if (!error.why.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error.why = file.error() == QFileDevice::PermissionsError ? u"la lecture en est interdite"_s
                                                                  : u"il ne peut pas être lu"_s;
        return std::nullopt;
    }
    QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        error.why = u"il ne peut pas être lu"_s;
        return std::nullopt;
    }
    return bytes;
}

// Row by row into the columns, one row's cells made at a time in the same room: a file of
// thousands of values costs no list of cells for each.
SeriesReading readSeries(const QByteArray& bytes) {
    if (bytes.size() > kLargestFile) return failure(0, 0, u"il est trop grand pour une série"_s);
    const Reading<csv::Utf8Text> text = csv::utf8Of(bytes);
    if (!text) return failure(0, 0, text.error.why);
    const std::string_view view = text.value->view();
    csv::RowReader reader(view, csv::separatorOf(view));
    Columns columns;
    Row row{0, {}};
    for (;;) {
        const csv::RowReader::Step step = reader.next();
        if (step == csv::RowReader::Step::End) break;
        if (step == csv::RowReader::Step::Fault)
            return failure(reader.fault().line, 0, reader.fault().why);
        // Blank lines before the first row are left out, ";" as a spreadsheet writes one
        // included.
        if (!columns.started() &&
            std::all_of(reader.cells().begin(), reader.cells().end(),
                        [](std::string_view cell) { return csv::trimmed(cell).empty(); }))
            continue;
        row.line = reader.rowLine();
        row.cells.clear();
        for (const std::string_view cell : reader.cells())
            row.cells << QString::fromUtf8(cell.data(), qsizetype(cell.size()));
        if (auto fault = columns.add(row)) return std::move(*fault);
    }
    return columns.result();
}

SeriesReading readSeriesFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return {std::nullopt, error};
    return readSeries(*bytes);
}

SeriesReading readCopiedCells(const QString& text) {
    std::vector<Row> rows;
    const QByteArray utf8 = text.toUtf8();
    if (SeriesReading read = rowsOf({utf8.constData(), size_t(utf8.size())}, rows); !read.value)
        return read;
    if (rows.empty()) return failure(0, 0, u"le presse-papiers ne contient aucune valeur"_s);
    if (rows.size() != 1) return seriesOfColumns(rows);
    // One row of cells is one series, read along the row.
    QStringList cells = rows.front().cells;
    while (!cells.isEmpty() && cells.last().trimmed().isEmpty()) cells.removeLast();
    TwoSeries series;
    for (int c = 0; c < cells.size(); ++c) {
        const QString cell = cells[c].trimmed();
        if (cell.isEmpty()) return failure(1, c + 1, u"une case vide interrompt la série"_s);
        const auto value = valueOf(cell);
        if (!value) return failure(1, c + 1, u"« %1 » n'est pas un nombre"_s.arg(cell));
        if (series.first.size() == kMostValues)
            return failure(1, c + 1, u"la série a plus de 32 767 valeurs"_s);
        series.first << *value;
    }
    return {series, {}};
}

namespace {
QString where(const SeriesError& error) {
    QString text;
    if (error.line > 0) text += u"ligne %1, "_s.arg(error.line);
    if (error.column > 0) text += u"colonne %1, "_s.arg(error.column);
    return text;
}
}  // namespace

QString explain(const SeriesError& error, const QString& fileName) {
    return u"Impossible d'ouvrir « %1 » : %2%3."_s.arg(fileName, where(error), error.why);
}

QString explainPaste(const SeriesError& error) {
    return u"Impossible de coller une série : %1%2."_s.arg(where(error), error.why);
}

QByteArray seriesFile(const TwoSeries& series) {
    const bool two = !series.second.isEmpty();
    QString text = two ? u"Série 1;Série 2\r\n"_s : u"Série 1\r\n"_s;
    const qsizetype rows = std::max(series.first.size(), series.second.size());
    for (qsizetype i = 0; i < rows; ++i) {
        if (i < series.first.size()) text += quoted(series.first[i].trimmed());
        if (two) {
            text += u';';
            if (i < series.second.size()) text += quoted(series.second[i].trimmed());
        }
        text += u"\r\n"_s;
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

QString copiedCells(const TwoSeries& series) {
    const bool two = !series.second.isEmpty();
    QString text;
    const qsizetype rows = std::max(series.first.size(), series.second.size());
    for (qsizetype i = 0; i < rows; ++i) {
        if (i < series.first.size()) text += series.first[i].trimmed();
        if (two) {
            text += u'\t';
            if (i < series.second.size()) text += series.second[i].trimmed();
        }
        text += u'\n';
    }
    return text;
}

}  // namespace core
