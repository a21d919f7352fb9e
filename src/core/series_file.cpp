#include "core/series_file.h"

#include "core/numbers.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>

using namespace Qt::StringLiterals;

namespace core {
namespace {

// Far more than 32,767 rows of two numbers; a larger file is no series.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

SeriesReading failure(int line, int column, const QString& why) {
    return {std::nullopt, {line, column, why}};
}

// The text of a file, or why it is not text.
std::optional<QString> decode(const QByteArray& bytes, QString& why) {
    const auto convert = [&](QStringConverter::Encoding encoding,
                             qsizetype skip) -> std::optional<QString> {
        QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
        QString text = decoder(QByteArrayView(bytes).sliced(skip));
        if (decoder.hasError()) {
            why = u"son encodage n'est pas reconnu"_s;
            return std::nullopt;
        }
        return text;
    };
    std::optional<QString> text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        text = convert(QStringConverter::Utf8, 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        text = convert(QStringConverter::Utf16LE, 2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        text = convert(QStringConverter::Utf16BE, 2);
    } else if (bytes.contains('\0')) {
        // Text in a wide encoding without its mark has a zero in every other byte.
        qsizetype zeros = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) zeros += bytes[i] == '\0';
        why = zeros * 3 >= bytes.size() && zeros * 2 <= bytes.size() + 1
                  ? u"son encodage n'est pas reconnu"_s
                  : u"il ne contient pas du texte"_s;
        return std::nullopt;
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = utf8(bytes);
        // Not UTF-8: a spreadsheet saved in the old Windows encoding.
        if (utf8.hasError()) text = QString::fromLatin1(bytes);
    }
    if (!text) return std::nullopt;
    for (const QChar c : *text) {
        if ((c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c == u'\x7f') {
            why = u"il ne contient pas du texte"_s;
            return std::nullopt;
        }
    }
    return text;
}

using Lines = QList<QStringView>;

Lines linesOf(QStringView text) {
    Lines lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') continue;
        lines << text.sliced(start, i - start);
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.sliced(start);
    return lines;
}

bool blank(QStringView line) {
    return line.trimmed().isEmpty();
}

// How often the separators and the decimal point stand in a line outside quoted cells.
struct Counts {
    int semicolons = 0, tabs = 0, commas = 0, points = 0;
};
Counts countOutsideQuotes(QStringView line) {
    Counts counts;
    bool quoted = false;
    for (const QChar x : line) {
        if (x == u'"') quoted = !quoted;
        if (quoted) continue;
        counts.semicolons += x == u';';
        counts.tabs += x == u'\t';
        counts.commas += x == u',';
        counts.points += x == u'.';
    }
    return counts;
}

// A line's cells, unquoted; no separator gives the whole line as one cell. Empty when
// a quote is left open.
std::optional<QStringList> cellsOf(QStringView line, QChar separator) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"') {
                cell += c;
            } else if (i + 1 < line.size() && line[i + 1] == u'"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == u'"' && cell.trimmed().isEmpty()) {
            cell.clear();
            quoted = true;
        } else if (!separator.isNull() && c == separator) {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (quoted) return std::nullopt;
    cells << cell;
    return cells;
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

std::optional<QString> valueOf(QStringView cell) {
    return cellNumber(cell);
}

bool isHeader(const QStringList& cells) {
    for (const QString& cell : cells)
        if (!cell.trimmed().isEmpty() && !valueOf(cell)) return true;
    return false;
}

// ";" or a tab where a line has one; a comma only where it cannot be a decimal mark:
// two in a line, a decimal point beside it, a header that it divides, or a regional
// decimal mark that is not a comma. Otherwise a single column.
QChar separatorOf(const Lines& lines) {
    int commas = 0;
    bool points = false;
    for (const QStringView line : lines) {
        const Counts counts = countOutsideQuotes(line);
        if (counts.semicolons) return u';';
        if (counts.tabs) return u'\t';
        commas = std::max(commas, counts.commas);
        points = points || counts.points > 0;
    }
    if (commas == 0) return {};
    if (commas >= 2 || points || decimalSeparator() != u","_s) return u',';
    const auto first = cellsOf(lines.first(), u',');
    if (first && first->size() > 1 && isHeader(*first)) return u',';
    return {};
}

using Row = CellRow;

// The rows of a text that holds at least one, or why they cannot be read.
SeriesReading rowsOf(const QString& text, std::vector<Row>& rows) {
    Lines lines = linesOf(text);
    while (!lines.isEmpty() && blank(lines.last())) lines.removeLast();
    int first = 0;
    while (first < lines.size() && blank(lines[first])) ++first;
    if (first == lines.size()) return {TwoSeries{}, {}};
    const QChar separator = separatorOf(lines.mid(first));
    rows.reserve(size_t(lines.size() - first));
    for (int i = first; i < lines.size(); ++i) {
        const auto cells = cellsOf(lines[i], separator);
        if (!cells) return failure(i + 1, 0, u"un guillemet n'est pas refermé"_s);
        rows.push_back({i + 1, *cells});
    }
    return {TwoSeries{}, {}};
}

// Column 1 is the first series and column 2 the second; each runs down from the top
// without a gap, and nothing stands in a third column.
SeriesReading seriesOfColumns(const std::vector<Row>& rows) {
    TwoSeries series;
    std::array<QStringList*, 2> columns = {&series.first, &series.second};
    std::array<int, 2> endedAt = {0, 0};  // the line of a column's first empty cell
    const size_t top = !rows.empty() && isHeader(rows.front().cells) ? 1 : 0;
    for (size_t r = top; r < rows.size(); ++r) {
        const Row& row = rows[r];
        for (int c = 0; c < std::max<int>(2, int(row.cells.size())); ++c) {
            const QStringView cell =
                c < row.cells.size() ? QStringView(row.cells[c]).trimmed() : QStringView();
            if (c >= 2) {
                if (!cell.isEmpty())
                    return failure(row.line, c + 1, u"le fichier a plus de deux colonnes"_s);
                continue;
            }
            if (cell.isEmpty()) {
                if (!endedAt[c]) endedAt[c] = row.line;
                continue;
            }
            if (endedAt[c])
                return failure(endedAt[c], c + 1, u"une case vide interrompt la série"_s);
            const auto value = valueOf(cell);
            if (!value) return failure(row.line, c + 1, u"« %1 » n'est pas un nombre"_s.arg(cell));
            if (columns[c]->size() == kMostValues)
                return failure(row.line, c + 1, u"la série a plus de 32 767 valeurs"_s);
            *columns[c] << *value;
        }
    }
    return {series, {}};
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
    QString why;
    const auto text = decode(bytes, why);
    if (!text) {
        error = {0, 0, why};
        return std::nullopt;
    }
    std::vector<Row> rows;
    if (SeriesReading read = rowsOf(*text, rows); !read.series) {
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

SeriesReading readSeries(const QByteArray& bytes) {
    if (bytes.size() > kLargestFile) return failure(0, 0, u"il est trop grand pour une série"_s);
    QString why;
    const auto text = decode(bytes, why);
    if (!text) return failure(0, 0, why);
    std::vector<Row> rows;
    if (SeriesReading read = rowsOf(*text, rows); !read.series) return read;
    return seriesOfColumns(rows);
}

SeriesReading readSeriesFile(const QString& path) {
    SeriesError error;
    const auto bytes = readFileBytes(path, error);
    if (!bytes) return {std::nullopt, error};
    return readSeries(*bytes);
}

SeriesReading readCopiedCells(const QString& text) {
    std::vector<Row> rows;
    if (SeriesReading read = rowsOf(text, rows); !read.series) return read;
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
