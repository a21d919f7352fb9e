#pragma once

// The rows and cells of a spreadsheet's text, read from UTF-8 bytes: LF, CR LF or CR
// end a line; a cell that starts with a quote runs to the closing quote, with "" for a
// quote inside and separators and line breaks taken as they are. Cells are views into
// the bytes (or into a small buffer for a quoted cell that had to be rewritten), so a
// million rows cost no allocation per cell.

#include "core/reading.h"

#include <string>
#include <string_view>
#include <vector>

namespace core::csv {

// The separator of a file, decided on its first lines: ';' or a tab where a line has
// one; a comma only where it cannot be a decimal mark (two in a line, a decimal point
// beside it, a first line it divides into words, or a regional decimal mark that is not
// a comma); otherwise '\0', a single column.
char separatorOf(std::string_view text);

class RowReader {
public:
    // Reads `text` from byte `start`, which begins line `line`.
    RowReader(std::string_view text, char separator, std::size_t start = 0, int line = 1);

    enum class Step { Row, End, Fault };
    // The next row, blank ones included; a quote left open is a fault.
    Step next();

    // The last row's cells, valid until the next call.
    const std::vector<std::string_view>& cells() const { return cells_; }
    // The line the last row started on; where the next row starts, and its line.
    int rowLine() const { return rowLine_; }
    std::size_t position() const { return at_; }
    int line() const { return line_; }
    // The fault that stopped the reading: where the open quote stands.
    const ReadError& fault() const { return fault_; }
    // Whether the last row is empty or blanks only.
    bool blank() const;

private:
    struct Span {
        std::size_t begin, size;
        bool rewritten;
    };
    bool quotedCell(Span& span);
    std::size_t plainEnd(std::size_t i) const;

    std::string_view text_;
    char separator_;
    std::size_t at_;
    int line_;
    int rowLine_ = 0;
    bool stops_[256] = {};  // the bytes that end an unquoted cell
    std::vector<std::size_t> rewrittenCells_;
    std::vector<Span> spans_;  // of the rewritten cells
    std::vector<std::string_view> cells_;
    std::string rewritten_;
    ReadError fault_;
};

// The position just after the first line break at or after `from` (the end when none).
std::size_t nextLineStart(std::string_view text, std::size_t from);

}  // namespace core::csv
