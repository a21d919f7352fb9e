#pragma once

// What a spreadsheet shows of a number its cell's format turns into a date, a time or a
// percentage: .xlsx keeps a date as a count of days since 30 December 1899 (or
// 1 January 1904), and an .ods cell as an ISO date. A learner reads dates as
// "JJ/MM/AAAA", a word like any other, and a percentage as the number it shows.

#include <QString>
#include <QStringView>

#include <optional>

namespace core::individuals {

struct NumberFormat {
    enum class Kind { Number, Percent, Date, Time };
    Kind kind = Kind::Number;
    bool hours = false;          // a date followed by its time, or a time with its hours
    bool seconds = false;        // a time shown to the second
    bool twoDigitHours = false;  // "hh" rather than "h"
    bool elapsed = false;        // "[h]": hours beyond a day
};

// The format of a built-in number format id, or of a custom format code (its first
// section; texts in quotes, escaped characters and colours left out).
NumberFormat builtInFormat(int id);
NumberFormat customFormat(QStringView code);

// The text a date or time format shows of `serial` days; none where no date is shown
// (a negative or far too large number, which a spreadsheet shows as "####").
std::optional<QString> shownSerial(double serial, const NumberFormat& format, bool from1904);

// "2024-09-02" or "2024-09-02T08:30:00" as "02/09/2024", with " 08:30" after it when
// the time is to be shown; none where the value is no date.
std::optional<QString> shownIsoDate(QStringView value, bool withTime);

}  // namespace core::individuals
