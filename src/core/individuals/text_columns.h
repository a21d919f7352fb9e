#pragma once

// The columns of a text file while it is read, part by part, and their assembly into
// variables. A column holds numbers until its first cell that is not one; from there
// on it holds codes, and the cells before are read again as words once the whole file
// is in (rare: a column of codes such as "2A" among postcodes).

#include "core/individuals/blocks.h"
#include "core/individuals/dataset.h"
#include "core/individuals/dictionary.h"
#include "core/reading.h"

#include <optional>
#include <string_view>
#include <vector>

namespace core::individuals {

class ColumnPart {
public:
    // The trimmed cell of `row` (rows counted from the part's start); empty is missing.
    void add(std::size_t row, std::string_view cell) {
        if (textFrom_ >= 0) {
            codes_.push(cell.empty() ? Variable::kMissing : words_.codeOf(cell));
        } else if (cell.empty()) {
            numbers_.push(std::numeric_limits<double>::quiet_NaN());
        } else if (const std::optional<double> x = numberOf(row, cell)) {
            numbers_.push(*x);
        } else {
            textFrom_ = std::int64_t(row);
            codes_.push(words_.codeOf(cell));
        }
    }

    bool holdsWords() const { return textFrom_ >= 0; }

private:
    friend class ColumnAssembly;
    std::optional<double> numberOf(std::size_t row, std::string_view cell);
    void groupByPoints();

    bool comma_ = false;          // a cell showed that the decimal mark is a comma
    std::int64_t textFrom_ = -1;  // the first row that held a word
    Blocks<double> numbers_;      // the rows before textFrom_
    Blocks<std::int32_t> codes_;  // the rows from textFrom_ on
    Dictionary words_;
    // Rows read as "1.234" with a decimal point before any comma showed up: 1 234 if
    // the column turns out to write its decimals with a comma.
    std::vector<std::uint32_t> ambiguous_;
};

struct Part {
    explicit Part(std::size_t width) : columns(width) {}
    std::size_t begin = 0, end = 0;  // bytes
    int endLine = 1;                 // the line after the part, counted from its start
    std::size_t rows = 0;
    std::vector<ColumnPart> columns;
    std::optional<ReadError> fault;
};

// The parts' columns as variables, the parts in order; their names are left empty.
std::vector<Variable> assembleColumns(std::string_view text, char separator,
                                      const std::vector<Part*>& parts);

}  // namespace core::individuals
