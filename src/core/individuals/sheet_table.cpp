#include "core/individuals/sheet_table.h"

#include "core/individuals/columns.h"
#include "core/individuals/dictionary.h"

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

bool isEmptyRow(const SheetRow& row) {
    for (const SheetCell& cell : row.cells)
        if (cell.kind != SheetCell::Kind::Empty) return false;
    return true;
}

}  // namespace

QString cellName(int column, int line) {
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26) letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters + QString::number(line);
}

SheetCell textCell(QString text) {
    if (text.trimmed().isEmpty()) return {};
    return {SheetCell::Kind::Text, 0, std::move(text)};
}

ReadError xmlFault(const QXmlStreamReader& xml, const QString& cell) {
    Q_UNUSED(xml);
    return {0, 0, u"la feuille est endommagée"_s, cell};
}

Reading<Dataset> datasetOfSheet(std::vector<SheetRow> rows) {
    std::erase_if(rows, isEmptyRow);
    if (rows.empty())
        return Reading<Dataset>::failure({0, 0, u"la feuille ne contient aucune donnée"_s, {}});
    const SheetRow& first = rows.front();
    bool hasHeader = false;
    for (const SheetCell& cell : first.cells) hasHeader |= cell.kind == SheetCell::Kind::Text;
    QStringList header;
    if (hasHeader)
        for (const SheetCell& cell : first.cells) header << cell.text;
    const std::size_t width = first.cells.size();
    const std::size_t top = hasHeader ? 1 : 0;
    for (std::size_t r = top; r < rows.size(); ++r)
        for (std::size_t c = width; c < rows[r].cells.size(); ++c)
            if (rows[r].cells[c].kind != SheetCell::Kind::Empty)
                return Reading<Dataset>::failure(
                    {0, 0, u"la ligne a plus de cases qu'il n'y a de variables (%1)"_s.arg(width),
                     cellName(int(c), rows[r].line)});

    const std::size_t count = rows.size() - top;
    std::vector<Variable> variables(width);
    for (std::size_t c = 0; c < width; ++c) {
        const auto cellAt = [&](std::size_t r) -> const SheetCell& {
            static const SheetCell empty;
            return c < rows[r].cells.size() ? rows[r].cells[c] : empty;
        };
        bool numeric = true;
        for (std::size_t r = top; r < rows.size() && numeric; ++r)
            numeric = cellAt(r).kind != SheetCell::Kind::Text;
        Variable& v = variables[c];
        if (numeric) {
            v.nature = Nature::Numeric;
            v.numbers.reserve(count);
            for (std::size_t r = top; r < rows.size(); ++r)
                v.numbers.push_back(cellAt(r).kind == SheetCell::Kind::Number
                                        ? cellAt(r).number
                                        : std::numeric_limits<double>::quiet_NaN());
        } else {
            Dictionary words;
            v.codes.reserve(count);
            for (std::size_t r = top; r < rows.size(); ++r) {
                const QByteArray word = cellAt(r).text.trimmed().toUtf8();
                v.codes.push_back(cellAt(r).kind == SheetCell::Kind::Empty || word.isEmpty()
                                      ? Variable::kMissing
                                      : words.codeOf({word.constData(), std::size_t(word.size())}));
            }
            numberByAppearance(v, words.words());
        }
        countMissing(v);
    }
    dropEmptyTrailing(variables, header);
    nameVariables(variables, header, hasHeader);
    Dataset dataset;
    dataset.assign(std::move(variables), count);
    return Reading<Dataset>::success(std::move(dataset));
}

}  // namespace core::individuals
