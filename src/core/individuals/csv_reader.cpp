#include "core/individuals/csv_reader.h"

#include "core/csv/number.h"
#include "core/csv/rows.h"
#include "core/individuals/columns.h"
#include "core/individuals/text_columns.h"

#include <QLocale>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace core::individuals {
namespace {

// Below this, a second thread costs more than it saves.
constexpr std::size_t kSplitFrom = 1 << 20;
// As many columns as a spreadsheet has.
constexpr std::size_t kMostColumns = 16384;
// How many rows between two looks at the progress and the cancel flag.
constexpr std::size_t kRowsBetweenLooks = 1 << 14;

// The rows of one part of the file, from `begin` up to the first row that starts at or
// after the stop.
class PartReader {
public:
    PartReader(std::string_view text, char separator, std::size_t begin, int line,
               std::size_t columns, const Release& release)
        : reader_(text, separator, begin, line), begin_(begin), release_(release), part_(columns) {
        part_.begin = begin;
    }

    // Reads on to the stop; `look` is asked now and then whether to go on. False when
    // it said no; a fault leaves part().fault set.
    template <class Look>
    bool run(std::size_t stop, Look look, std::atomic<std::size_t>& done) {
        const std::size_t width = part_.columns.size();
        for (std::size_t looked = 0;; ++looked) {
            if (looked == kRowsBetweenLooks) {
                looked = 0;
                done.store(reader_.position() - begin_, std::memory_order_relaxed);
                if (release_) release_(begin_, reader_.position());
                if (!look()) return false;
            }
            if (reader_.position() >= stop) break;
            const csv::RowReader::Step step = reader_.next();
            if (step == csv::RowReader::Step::End) break;
            if (step == csv::RowReader::Step::Fault) {
                part_.fault = reader_.fault();
                break;
            }
            if (reader_.blank()) continue;
            const auto& cells = reader_.cells();
            for (std::size_t c = width; c < cells.size(); ++c) {
                if (csv::trimmed(cells[c]).empty()) continue;
                part_.fault = ReadError{
                    reader_.rowLine(),
                    int(c) + 1,
                    u"la ligne a plus de cases qu'il n'y a de variables (%1)"_s.arg(width),
                    {}};
                return true;
            }
            const std::size_t n = std::min(width, cells.size());
            for (std::size_t c = 0; c < n; ++c)
                part_.columns[c].add(part_.rows, csv::trimmed(cells[c]));
            for (std::size_t c = n; c < width; ++c) part_.columns[c].add(part_.rows, {});
            ++part_.rows;
        }
        done.store(reader_.position() - begin_, std::memory_order_relaxed);
        part_.end = reader_.position();
        part_.endLine = reader_.line();
        return true;
    }

    Part& part() { return part_; }

private:
    csv::RowReader reader_;
    std::size_t begin_;
    const Release& release_;
    Part part_;
};

struct Header {
    QStringList names;
    bool present = false;
    std::size_t dataStart = 0;
    int dataLine = 1;
    std::size_t width = 0;
};

// The first row that is not blank: the variables' names, unless it is all numbers.
Reading<Header> headerOf(std::string_view text, char separator) {
    csv::RowReader reader(text, separator);
    for (;;) {
        const std::size_t start = reader.position();
        const csv::RowReader::Step step = reader.next();
        if (step == csv::RowReader::Step::End)
            return Reading<Header>::failure({0, 0, u"il ne contient aucune donnée"_s, {}});
        if (step == csv::RowReader::Step::Fault) return Reading<Header>::failure(reader.fault());
        if (reader.blank()) continue;
        Header header;
        header.width = reader.cells().size();
        if (header.width > kMostColumns)
            return Reading<Header>::failure(
                {reader.rowLine(),
                 int(kMostColumns) + 1,
                 u"la ligne a plus de %1 cases"_s.arg(
                     QLocale(QLocale::French).toString(int(kMostColumns))),
                 {}});
        bool numbers = false;
        for (const std::string_view cell : reader.cells()) {
            const std::string_view t = csv::trimmed(cell);
            if (t.empty()) continue;
            if (!csv::isNumber(t))
                return Reading<Header>::success([&] {
                    for (const std::string_view c : reader.cells())
                        header.names << QString::fromUtf8(c.data(), qsizetype(c.size()));
                    header.present = true;
                    header.dataStart = reader.position();
                    header.dataLine = reader.line();
                    return header;
                }());
            numbers = true;
        }
        header.present = !numbers;  // a row of empty cells names nothing, but is no data
        header.dataStart = header.present ? reader.position() : start;
        header.dataLine = header.present ? reader.line() : reader.rowLine();
        if (header.present)
            for (std::size_t i = 0; i < header.width; ++i) header.names << QString();
        return Reading<Header>::success(header);
    }
}

}  // namespace

Reading<Dataset> readText(std::string_view text, const Progress& progress, const Release& release) {
    const char separator = csv::separatorOf(text);
    const Reading<Header> header = headerOf(text, separator);
    if (!header) return Reading<Dataset>::failure(header.error);
    const Header& h = *header.value;
    if (progress && !progress(0.0))
        return Reading<Dataset>::failure({0, 0, u"Lecture annulée."_s, {}});

    const std::size_t data = text.size() - h.dataStart;
    std::size_t middle = text.size();
    if (data >= kSplitFrom && std::thread::hardware_concurrency() >= 2)
        middle = csv::nextLineStart(text, h.dataStart + data / 2);

    std::atomic<bool> cancel = false;
    std::atomic<std::size_t> doneFirst = 0, doneSecond = 0;
    PartReader first(text, separator, h.dataStart, h.dataLine, h.width, release);
    // The second half starts where a line does, as if outside quotes; if the first half
    // ends elsewhere, a quoted cell ran across the middle and the guess is dropped.
    std::optional<PartReader> second;
    std::exception_ptr secondFailed;
    std::thread worker;
    if (middle < text.size()) {
        second.emplace(text, separator, middle, 1, h.width, release);
        worker = std::thread([&] {
            try {
                second->run(
                    text.size(), [&] { return !cancel.load(); }, doneSecond);
            } catch (...) {
                secondFailed = std::current_exception();
            }
        });
    }
    const auto stopSecond = [&] {
        cancel = true;
        if (worker.joinable()) worker.join();
    };
    // The first half reports the progress of both while it reads.
    const auto lookFirst = [&] {
        const double share =
            0.9 * double(doneFirst + doneSecond) / double(std::max<std::size_t>(data, 1));
        return !progress || progress(share);
    };
    std::size_t stop = middle;
    for (;;) {
        bool going = false;
        try {
            going = first.run(stop, lookFirst, doneFirst);
        } catch (...) {
            stopSecond();
            throw;
        }
        if (!going) {
            stopSecond();
            return Reading<Dataset>::failure({0, 0, u"Lecture annulée."_s, {}});
        }
        if (first.part().fault) {
            stopSecond();
            return Reading<Dataset>::failure(*first.part().fault);
        }
        if (stop == text.size() || first.part().end == middle) break;
        // A quoted cell ran across the middle: read on to the end alone.
        stopSecond();
        second.reset();
        stop = text.size();
    }
    if (worker.joinable()) worker.join();
    if (secondFailed) std::rethrow_exception(secondFailed);

    std::vector<Part*> parts = {&first.part()};
    if (second) {
        Part& part = second->part();
        if (part.fault) {
            ReadError fault = *part.fault;
            if (fault.line > 0) fault.line += first.part().endLine - 1;
            return Reading<Dataset>::failure(fault);
        }
        parts.push_back(&part);
    }
    if (progress && !progress(0.9))
        return Reading<Dataset>::failure({0, 0, u"Lecture annulée."_s, {}});

    std::vector<Variable> variables = assembleColumns(text, separator, parts);
    std::size_t rows = 0;
    for (const Part* part : parts) rows += part->rows;
    const QStringList names = h.present ? h.names : QStringList();
    dropEmptyTrailing(variables, names);
    nameVariables(variables, names, h.present);
    Dataset dataset;
    dataset.assign(std::move(variables), rows);
    return Reading<Dataset>::success(std::move(dataset));
}

}  // namespace core::individuals
