// The first table of an .ods file: rows and cells may stand for many (repeated), and a
// cell shows its paragraphs, with runs of spaces, tabs and line breaks written as
// elements. A date is written "JJ/MM/AAAA" from its value, with its time where the cell
// shows one; a time is what the cell shows; a percentage the number before "%".

#include "core/individuals/sheet_table.h"
#include "core/individuals/shown_dates.h"
#include "core/individuals/zip_archive.h"

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

const QString kTable = u"urn:oasis:names:tc:opendocument:xmlns:table:1.0"_s;
const QString kOffice = u"urn:oasis:names:tc:opendocument:xmlns:office:1.0"_s;
const QString kText = u"urn:oasis:names:tc:opendocument:xmlns:text:1.0"_s;

// The most a repeated row or cell with content may stand for, as a spreadsheet allows.
constexpr qint64 kMostRepeats = 1 << 20;

Reading<std::vector<SheetRow>> fault(const QString& why, const QString& cell = {}) {
    return Reading<std::vector<SheetRow>>::failure({0, 0, why, cell});
}

// What a paragraph shows, from inside its element to its end.
void appendShown(QXmlStreamReader& xml, QString& text) {
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::Characters:
                text += xml.text();
                break;
            case QXmlStreamReader::StartElement:
                ++depth;
                if (xml.namespaceUri() != kText) break;
                if (xml.name() == u"s")
                    text += QString(qBound(1, xml.attributes().value(kText, u"c"_s).toInt(), 1000),
                                    u' ');
                else if (xml.name() == u"tab")
                    text += u'\t';
                else if (xml.name() == u"line-break")
                    text += u'\n';
                else if (xml.name() == u"note" || xml.name() == u"annotation")
                    xml.skipCurrentElement(), --depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            default:
                break;
        }
    }
}

int repeats(const QXmlStreamReader& xml, const QString& attribute) {
    const int n = xml.attributes().value(kTable, attribute).toInt();
    return n > 0 ? n : 1;
}

}  // namespace

Reading<std::vector<SheetRow>> odsRows(const ZipArchive& archive) {
    const auto content = archive.read(u"content.xml"_s);
    if (!content) return fault(u"le contenu du classeur est absent ou endommagé"_s);
    QXmlStreamReader xml(*content);
    std::vector<SheetRow> rows;
    int line = 0, tables = 0;
    QString at;
    std::size_t cells = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"table" &&
            xml.namespaceUri() == kTable)
            break;  // the first table only
        if (token != QXmlStreamReader::StartElement || xml.namespaceUri() != kTable) continue;
        if (xml.name() == u"table") {
            ++tables;
        } else if (xml.name() == u"table-row" && tables == 1) {
            const int times = repeats(xml, u"number-rows-repeated"_s);
            SheetRow row{line + 1, {}};
            std::size_t pending = 0;  // empty cells kept only if a filled one follows
            while (xml.readNextStartElement()) {
                if (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell") {
                    xml.skipCurrentElement();
                    continue;
                }
                const int across = repeats(xml, u"number-columns-repeated"_s);
                at = cellName(int(row.cells.size() + pending), row.line);
                const QStringView type = xml.attributes().value(kOffice, u"value-type"_s);
                const QString value = xml.attributes().value(kOffice, u"value"_s).toString();
                const QString day = xml.attributes().value(kOffice, u"date-value"_s).toString();
                QString shown;
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"p" && xml.namespaceUri() == kText) {
                        if (!shown.isEmpty()) shown += u'\n';
                        appendShown(xml, shown);
                    } else {
                        xml.skipCurrentElement();
                    }
                }
                SheetCell cell;
                if (type == u"float" || type == u"percentage" || type == u"currency") {
                    bool ok = false;
                    const double x = value.toDouble(&ok);
                    if (!ok || !std::isfinite(x))
                        return fault(u"la case ne contient pas un nombre lisible"_s, at);
                    cell = {SheetCell::Kind::Number, type == u"percentage" ? x * 100 : x, shown};
                } else if (type == u"date") {
                    cell = textCell(shownIsoDate(day, shown.contains(u':')).value_or(shown));
                } else if (!type.isEmpty() || !shown.isEmpty()) {
                    cell = textCell(shown);
                }
                if (cell.kind == SheetCell::Kind::Empty) {
                    pending += std::size_t(across);
                    continue;
                }
                if (across > kMostRepeats || row.cells.size() + pending + across > 16384)
                    return fault(u"la feuille a trop de colonnes"_s, at);
                row.cells.resize(row.cells.size() + pending);
                pending = 0;
                for (int k = 0; k < across; ++k) row.cells.push_back(cell);
            }
            if (xml.hasError()) break;
            line = int(std::min<qint64>(qint64(line) + times, 1 << 30));
            if (row.cells.empty()) continue;  // empty rows, however many, are skipped
            if (times > kMostRepeats || line > 1048576)
                return fault(u"la feuille a trop de lignes"_s, at);
            cells += row.cells.size() * std::size_t(times);
            if (cells > kMostSheetCells) return fault(u"la feuille est trop grande"_s, at);
            for (int k = 0; k < times; ++k) {
                rows.push_back(row);
                rows.back().line = row.line + k;
            }
        }
    }
    if (xml.hasError()) return Reading<std::vector<SheetRow>>::failure(xmlFault(xml, at));
    if (tables == 0) return fault(u"le classeur ne contient aucune feuille"_s);
    return Reading<std::vector<SheetRow>>::success(std::move(rows));
}

}  // namespace core::individuals
