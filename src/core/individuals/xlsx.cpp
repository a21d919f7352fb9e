// The first sheet of an .xlsx file: the workbook names it, its relations give its part,
// texts are kept once in the shared strings, and a cell's style gives its number format,
// which tells a date or a time from a number.

#include "core/csv/number.h"
#include "core/individuals/sheet_table.h"
#include "core/individuals/shown_dates.h"
#include "core/individuals/zip_archive.h"
#include "core/numbers.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

const QString kRelations = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships"_s;

Reading<std::vector<SheetRow>> fault(const QString& why, const QString& cell = {}) {
    return Reading<std::vector<SheetRow>>::failure({0, 0, why, cell});
}

// The part of the first sheet, as the workbook and its relations say.
QString firstSheetPart(const ZipArchive& archive) {
    QString id;
    if (const auto workbook = archive.read(u"xl/workbook.xml"_s)) {
        QXmlStreamReader xml(*workbook);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet") {
                id = xml.attributes().value(kRelations, u"id"_s).toString();
                break;
            }
        }
    }
    if (const auto relations = archive.read(u"xl/_rels/workbook.xml.rels"_s);
        relations && !id.isEmpty()) {
        QXmlStreamReader xml(*relations);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship" &&
                xml.attributes().value(u"Id"_s) == id) {
                const QString target = xml.attributes().value(u"Target"_s).toString();
                return target.startsWith(u'/') ? target.mid(1) : u"xl/"_s + target;
            }
        }
    }
    return u"xl/worksheets/sheet1.xml"_s;
}

// Each cell style's number format, by the style's index, as xl/styles.xml gives them.
std::vector<NumberFormat> cellFormats(const ZipArchive& archive) {
    std::vector<NumberFormat> formats;
    const auto bytes = archive.read(u"xl/styles.xml"_s);
    if (!bytes) return formats;
    QHash<int, NumberFormat> custom;
    QXmlStreamReader xml(*bytes);
    bool inCellStyles = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"cellXfs") break;
        if (token != QXmlStreamReader::StartElement) continue;
        const int id = xml.attributes().value(u"numFmtId"_s).toInt();
        if (xml.name() == u"numFmt")
            custom.insert(id, customFormat(xml.attributes().value(u"formatCode"_s)));
        else if (xml.name() == u"cellXfs")
            inCellStyles = true;
        else if (xml.name() == u"xf" && inCellStyles && formats.size() < 65536)
            formats.push_back(custom.contains(id) ? custom.value(id) : builtInFormat(id));
    }
    return formats;
}

// Whether the workbook counts its days from 1 January 1904, as old Mac files do.
bool from1904(const ZipArchive& archive) {
    const auto workbook = archive.read(u"xl/workbook.xml"_s);
    if (!workbook) return false;
    QXmlStreamReader xml(*workbook);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"workbookPr") {
            const QStringView flag = xml.attributes().value(u"date1904"_s);
            return flag == u"1" || flag == u"true";
        }
    return false;
}

// A number as its format shows it: a date or a time as its text, a percentage as the
// number before "%".
SheetCell shownNumber(double x, const NumberFormat& format, bool from1904) {
    if (format.kind == NumberFormat::Kind::Percent) x *= 100;
    if (format.kind == NumberFormat::Kind::Date || format.kind == NumberFormat::Kind::Time)
        if (const auto shown = shownSerial(x, format, from1904)) return textCell(*shown);
    return {SheetCell::Kind::Number, x, textOfNumber(x)};
}

// The text of an element holding runs of <t>, phonetic hints left out.
QString runsText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    bool phonetic = false;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                ++depth;
                if (xml.name() == u"rPh") phonetic = true;
                if (xml.name() == u"t" && !phonetic) text += xml.readElementText(), --depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                if (xml.name() == u"rPh") phonetic = false;
                break;
            default:
                break;
        }
    }
    return text;
}

std::optional<QStringList> sharedStrings(const ZipArchive& archive) {
    QStringList strings;
    const auto bytes = archive.read(u"xl/sharedStrings.xml"_s);
    if (!bytes) return strings;  // a sheet of numbers needs none
    QXmlStreamReader xml(*bytes);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings << runsText(xml);
    if (xml.hasError()) return std::nullopt;
    return strings;
}

// "B7": column 1, line 7; none where the reference is not one.
std::optional<std::pair<int, int>> reference(QStringView ref) {
    int column = 0, line = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref[i] >= u'A' && ref[i] <= u'Z' && column <= 16384; ++i)
        column = column * 26 + (ref[i].unicode() - u'A' + 1);
    if (column == 0 || column > 16384 || i == ref.size()) return std::nullopt;
    for (; i < ref.size() && ref[i].isDigit() && line <= 1048576; ++i)
        line = line * 10 + ref[i].digitValue();
    if (i != ref.size() || line == 0 || line > 1048576) return std::nullopt;
    return std::pair{column - 1, line};
}

}  // namespace

Reading<std::vector<SheetRow>> xlsxRows(const ZipArchive& archive) {
    const auto strings = sharedStrings(archive);
    if (!strings) return fault(u"les textes du classeur sont endommagés"_s);
    const std::vector<NumberFormat> formats = cellFormats(archive);
    const bool days1904 = from1904(archive);
    const QString part = firstSheetPart(archive);
    const auto bytes = archive.read(part);
    if (!bytes) return fault(u"la première feuille est absente ou endommagée"_s);
    std::vector<SheetRow> rows;
    QXmlStreamReader xml(*bytes);
    QString at;
    std::size_t cells = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"row") {
            const int line = xml.attributes().value(u"r"_s).toInt();
            rows.push_back({line > 0 ? line : (rows.empty() ? 1 : rows.back().line + 1), {}});
            continue;
        }
        if (xml.name() != u"c" || rows.empty()) continue;
        SheetRow& row = rows.back();
        const QStringView ref = xml.attributes().value(u"r"_s);
        const auto place = ref.isEmpty() ? std::optional(std::pair{int(row.cells.size()), row.line})
                                         : reference(ref);
        at = ref.isEmpty() ? cellName(int(row.cells.size()), row.line) : ref.toString();
        if (!place || place->second != row.line || std::size_t(place->first) < row.cells.size())
            return fault(u"la case est mal placée"_s, at);
        cells += std::size_t(place->first) + 1 - row.cells.size();
        if (cells > kMostSheetCells) return fault(u"la feuille est trop grande"_s, at);
        const QString type = xml.attributes().value(u"t"_s).toString();
        const auto style = std::size_t(xml.attributes().value(u"s"_s).toUInt());
        const NumberFormat format = style < formats.size() ? formats[style] : NumberFormat{};
        QString value, inlineText;
        bool hasValue = false;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"v") {
                value = xml.readElementText();
                hasValue = true;
            } else if (xml.name() == u"is") {
                inlineText = runsText(xml);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (xml.hasError()) break;
        SheetCell cell;
        if (type == u"s") {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!ok || index < 0 || index >= strings->size())
                return fault(u"la case renvoie à un texte absent du classeur"_s, at);
            cell = textCell((*strings)[index]);
        } else if (type == u"inlineStr") {
            cell = textCell(inlineText);
        } else if (type == u"d") {
            cell = textCell(shownIsoDate(value.trimmed(), format.hours).value_or(value));
        } else if (type == u"str" || type == u"e") {
            cell = textCell(value);
        } else if (type == u"b") {
            cell =
                hasValue ? textCell(value.trimmed() == u"1" ? u"VRAI"_s : u"FAUX"_s) : SheetCell{};
        } else if (hasValue) {
            const QByteArray ascii = value.trimmed().toLatin1();
            const auto x = csv::numberOf({ascii.constData(), std::size_t(ascii.size())}, '.');
            if (!x) return fault(u"la case ne contient pas un nombre lisible"_s, at);
            cell = shownNumber(*x, format, days1904);
        }
        row.cells.resize(std::size_t(place->first));
        row.cells.push_back(std::move(cell));
    }
    if (xml.hasError()) return Reading<std::vector<SheetRow>>::failure(xmlFault(xml, at));
    return Reading<std::vector<SheetRow>>::success(std::move(rows));
}

}  // namespace core::individuals
