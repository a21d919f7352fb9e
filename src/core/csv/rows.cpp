#include "core/csv/rows.h"

#include "core/csv/number.h"
#include "core/numbers.h"

using namespace Qt::StringLiterals;

namespace core::csv {
namespace {

bool isBreak(char c) {
    return c == '\n' || c == '\r';
}

// How far the detection looks: enough lines to see the separators, never the whole file.
constexpr int kLinesSeen = 1000;

}  // namespace

char separatorOf(std::string_view text) {
    int commas = 0, mostCommas = 0, lines = 0;
    bool points = false, quoted = false, sawText = false;
    std::size_t firstEnd = std::string_view::npos, firstBegin = std::string_view::npos;
    for (std::size_t i = 0; i < text.size() && lines < kLinesSeen; ++i) {
        const char c = text[i];
        if (c != ' ' && c != '\t' && !isBreak(c) && !sawText) {
            sawText = true;
            firstBegin = i;
        }
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (isBreak(c)) {
            mostCommas = std::max(mostCommas, commas);
            commas = 0;
            if (sawText && firstEnd == std::string_view::npos) firstEnd = i;
            lines += sawText;
            continue;
        }
        if (c == ';') return ';';
        if (c == '\t') return '\t';
        commas += c == ',';
        points = points || c == '.';
    }
    mostCommas = std::max(mostCommas, commas);
    if (mostCommas == 0) return '\0';
    if (mostCommas >= 2 || points || decimalSeparator() != u","_s) return ',';
    // One comma a line: a decimal mark, unless the first line it divides holds words.
    if (firstBegin == std::string_view::npos) return '\0';
    const std::size_t end = std::min(firstEnd, text.size());
    RowReader first(text.substr(0, end), ',', firstBegin);
    if (first.next() != RowReader::Step::Row || first.cells().size() < 2) return '\0';
    for (const std::string_view cell : first.cells())
        if (!trimmed(cell).empty() && !isNumber(cell)) return ',';
    return '\0';
}

std::size_t nextLineStart(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\n') return i + 1;
        if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? i + 2 : i + 1;
    }
    return text.size();
}

RowReader::RowReader(std::string_view text, char separator, std::size_t start, int line)
    : text_(text), separator_(separator), at_(start), line_(line) {
    stops_[static_cast<unsigned char>(separator)] = true;
    stops_[std::size_t('\r')] = stops_[std::size_t('\n')] = true;
}

std::size_t RowReader::plainEnd(std::size_t i) const {
    const char* p = text_.data();
    const std::size_t n = text_.size();
    while (i < n && !stops_[static_cast<unsigned char>(p[i])]) ++i;
    return i;
}

bool RowReader::blank() const {
    return cells_.size() == 1 && trimmed(cells_[0]).empty();
}

// From the opening quote at at_; fills `span` with the cell's text (from the bytes
// themselves when nothing is to be rewritten). False when the quote is never closed.
bool RowReader::quotedCell(Span& span) {
    const std::size_t open = at_;
    const int openLine = line_;
    std::size_t i = open + 1;
    span = {i, 0, false};
    std::size_t copiedFrom = std::string::npos;  // where the rewritten copy started
    for (;;) {
        const std::size_t quote = text_.find('"', i);
        if (quote == std::string_view::npos) {
            fault_ = {openLine, int(cells_.size()) + 1, u"un guillemet n'est pas refermé"_s, {}};
            return false;
        }
        for (std::size_t k = i; k < quote; ++k) {
            // Line breaks inside the cell still count as lines of the file.
            if (text_[k] == '\n' ||
                (text_[k] == '\r' && (k + 1 >= text_.size() || text_[k + 1] != '\n')))
                ++line_;
        }
        if (quote + 1 < text_.size() && text_[quote + 1] == '"') {
            if (copiedFrom == std::string::npos) copiedFrom = rewritten_.size();
            rewritten_.append(text_.substr(i, quote + 1 - i));
            i = quote + 2;
            continue;
        }
        if (copiedFrom != std::string::npos) rewritten_.append(text_.substr(i, quote - i));
        at_ = quote + 1;
        break;
    }
    // Anything after the closing quote, up to the separator, belongs to the cell.
    const std::size_t end = plainEnd(at_);
    if (end > at_) {
        if (copiedFrom == std::string::npos) {
            copiedFrom = rewritten_.size();
            rewritten_.append(text_.substr(span.begin, at_ - 1 - span.begin));
        }
        rewritten_.append(text_.substr(at_, end - at_));
        at_ = end;
    }
    if (copiedFrom != std::string::npos)
        span = {copiedFrom, rewritten_.size() - copiedFrom, true};
    else
        span.size = at_ - 1 - span.begin;
    return true;
}

RowReader::Step RowReader::next() {
    if (at_ >= text_.size()) return Step::End;
    cells_.clear();
    spans_.clear();
    rewrittenCells_.clear();
    rewritten_.clear();
    rowLine_ = line_;
    for (;;) {
        // A quote opens a cell only where the cell holds nothing else so far.
        std::size_t i = at_;
        while (i < text_.size() && (text_[i] == ' ' || (text_[i] == '\t' && separator_ != '\t')))
            ++i;
        if (i < text_.size() && text_[i] == '"') {
            at_ = i;
            Span span{};
            if (!quotedCell(span)) return Step::Fault;
            if (span.rewritten) {
                rewrittenCells_.push_back(cells_.size());
                spans_.push_back(span);
                cells_.emplace_back();
            } else {
                cells_.push_back(text_.substr(span.begin, span.size));
            }
        } else {
            const std::size_t end = plainEnd(i);
            cells_.push_back(text_.substr(at_, end - at_));
            at_ = end;
        }
        if (at_ < text_.size() && text_[at_] == separator_ && separator_ != '\0') {
            ++at_;
            continue;
        }
        break;
    }
    if (at_ < text_.size()) {
        at_ += text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n' ? 2 : 1;
        ++line_;
    }
    // The rewritten cells point into the buffer only now that it no longer grows.
    for (std::size_t k = 0; k < rewrittenCells_.size(); ++k)
        cells_[rewrittenCells_[k]] =
            std::string_view(rewritten_).substr(spans_[k].begin, spans_[k].size);
    return Step::Row;
}

}  // namespace core::csv
