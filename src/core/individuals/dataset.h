#pragma once

// A file of individuals held by columns: one row per individual, one column per
// variable. Numbers are kept as doubles and words as codes into a dictionary, so a
// million rows of several variables fit in a few tens of megabytes and a pass over a
// column touches only that column. Readers build it; filters, counts and cross tables
// read it.

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace core::individuals {

enum class Nature { Numeric, Qualitative };

// One variable. A numeric one keeps `numbers` (NaN where the cell was empty); a
// qualitative one keeps `codes` (kMissing where the cell was empty), each an index
// into `labels`, the modalities in order of first appearance.
struct Variable {
    static constexpr std::int32_t kMissing = -1;

    QString name;
    Nature nature = Nature::Qualitative;
    std::vector<double> numbers;
    std::vector<std::int32_t> codes;
    QStringList labels;
    std::int64_t missing = 0;  // empty cells, left out of every computation

    bool isMissing(std::size_t row) const {
        return nature == Nature::Numeric ? std::isnan(numbers[row]) : codes[row] == kMissing;
    }
};

class Dataset {
public:
    std::size_t rowCount() const { return rows_; }
    const std::vector<Variable>& variables() const { return variables_; }
    // The variable named so (exactly, then ignoring case), or -1.
    int indexOf(QStringView name) const {
        for (std::size_t i = 0; i < variables_.size(); ++i)
            if (variables_[i].name == name) return int(i);
        for (std::size_t i = 0; i < variables_.size(); ++i)
            if (variables_[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
        return -1;
    }
    QStringList names() const {
        QStringList result;
        for (const Variable& v : variables_) result << v.name;
        return result;
    }

    // For readers: the columns once complete, all of `rows` individuals long.
    void assign(std::vector<Variable> variables, std::size_t rows) {
        variables_ = std::move(variables);
        rows_ = rows;
    }

private:
    std::vector<Variable> variables_;
    std::size_t rows_ = 0;
};

// The individuals an analysis takes: one flag per row (1 kept, 0 left out).
struct Selection {
    std::vector<std::uint8_t> kept;
    std::size_t count = 0;

    static Selection all(std::size_t rows) { return {std::vector<std::uint8_t>(rows, 1), rows}; }
};

}  // namespace core::individuals
