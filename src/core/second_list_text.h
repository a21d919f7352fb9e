#pragma once

// Reading the second list's text: one number per line, lines ended by carriage return
// + line feed. Pure, so any text can be thrown at it.

#include "core/table.h"

#include <QString>
#include <QStringList>

namespace second_list {

inline constexpr int kCapacity = 51;
using Values = core::Table<double, kCapacity>;

struct TextReading {
    QStringList lines;  // the text cut at each carriage return
    int count = 0;      // values read, 0 to 51
};

// Reads the lines from the top into `values` up to the first that is not a number, at
// most 51. A first line that is not a number (or no line at all) gives no values.
// Cells past the values read keep what they held.
TextReading read(const QString& text, Values& values);

// The text the program writes for values 0 to n - 1: one per line. With no values it
// still shows value 0.
QString textOf(const Values& values, int n);

// Every value of the list as written, from the top to the first line that is not a
// number, however many there are: what a file keeps of the second list.
QStringList writtenValues(const QString& text);

}  // namespace second_list
