#include "core/individuals/text_columns.h"

#include "core/csv/number.h"
#include "core/csv/rows.h"
#include "core/individuals/columns.h"

#include <algorithm>
#include <cmath>

namespace core::individuals {
std::optional<double> ColumnPart::numberOf(std::size_t row, std::string_view cell) {
    if (comma_) {
        if (const std::optional<double> x = csv::numberOf(cell, ',')) return x;
        return csv::numberOf(cell, '.');  // a decimal point among commas, taken as meant
    }
    csv::NumberShape shape;
    if (const std::optional<double> x = csv::numberOf(cell, '.', &shape)) {
        if (shape.mayGroup) ambiguous_.push_back(std::uint32_t(row));
        return x;
    }
    // A decimal comma, or points that can only group digits.
    const std::optional<double> x = csv::numberOf(cell, ',');
    if (x) groupByPoints();
    return x;
}

// The column writes decimals with a comma: the points read so far grouped digits.
void ColumnPart::groupByPoints() {
    comma_ = true;
    for (const std::uint32_t row : ambiguous_) numbers_[row] = std::round(numbers_[row] * 1000);
    ambiguous_.clear();
    ambiguous_.shrink_to_fit();
}

class ColumnAssembly {
public:
    ColumnAssembly(std::string_view text, char separator, const std::vector<Part*>& parts)
        : text_(text), separator_(separator), parts_(parts) {}

    Variable numeric(std::size_t c) {
        Variable v;
        v.nature = Nature::Numeric;
        const bool comma = std::any_of(parts_.begin(), parts_.end(),
                                       [&](Part* p) { return p->columns[c].comma_; });
        reserveLarge(v.numbers, rows());
        for (Part* part : parts_) {
            ColumnPart& column = part->columns[c];
            if (comma && !column.comma_) column.groupByPoints();
            column.numbers_.moveInto(v.numbers);
        }
        return v;
    }

    Variable qualitative(std::size_t c) {
        Variable v;
        v.nature = Nature::Qualitative;
        reserveLarge(v.codes, rows());
        Dictionary& all = parts_.front()->columns[c].words_;
        for (Part* part : parts_) {
            ColumnPart& column = part->columns[c];
            const std::size_t from = v.codes.size();
            readAgain(*part, c, v.codes);
            column.codes_.moveInto(v.codes);
            if (&column.words_ == &all) continue;
            std::vector<std::int32_t> recode;
            for (const std::string& word : column.words_.words())
                recode.push_back(all.codeOf(word));
            for (std::size_t i = from; i < v.codes.size(); ++i)
                if (v.codes[i] >= 0) v.codes[i] = recode[std::size_t(v.codes[i])];
        }
        numberByAppearance(v, all.words());
        return v;
    }

private:
    std::size_t rows() const {
        std::size_t n = 0;
        for (const Part* p : parts_) n += p->rows;
        return n;
    }

    // The cells of column c that were read as numbers, now as words of the part.
    void readAgain(Part& part, std::size_t c, std::vector<std::int32_t>& codes) {
        ColumnPart& column = part.columns[c];
        const std::size_t until = column.textFrom_ < 0 ? part.rows : std::size_t(column.textFrom_);
        if (until == 0) return;
        csv::RowReader reader(text_, separator_, part.begin);
        for (std::size_t row = 0; row < until;) {
            if (reader.next() != csv::RowReader::Step::Row) break;
            if (reader.blank()) continue;
            const auto& cells = reader.cells();
            const std::string_view cell = c < cells.size() ? csv::trimmed(cells[c]) : "";
            codes.push_back(cell.empty() ? Variable::kMissing : column.words_.codeOf(cell));
            ++row;
        }
    }

    std::string_view text_;
    char separator_;
    const std::vector<Part*>& parts_;
};

std::vector<Variable> assembleColumns(std::string_view text, char separator,
                                      const std::vector<Part*>& parts) {
    ColumnAssembly assembly(text, separator, parts);
    std::vector<Variable> variables;
    const std::size_t width = parts.front()->columns.size();
    for (std::size_t c = 0; c < width; ++c) {
        const bool words = std::any_of(parts.begin(), parts.end(),
                                       [&](Part* p) { return p->columns[c].holdsWords(); });
        variables.push_back(words ? assembly.qualitative(c) : assembly.numeric(c));
        countMissing(variables.back());
    }
    return variables;
}

}  // namespace core::individuals
