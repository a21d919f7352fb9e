#pragma once

// Two variables from the command line, with no window: the statistics and fits of a
// file of pairs, the Gini index of a Lorenz curve, their charts written to a file.
// Parses its own options and returns the process's exit status (2 with a French
// reason on standard error for anything it cannot do).

#include "core/pairs/pairs.h"

#include <QStringList>

#include <optional>

namespace command_line {

// What the two variables' window opens on: `statistique --pairs=F` alone gives the file
// of pairs, which the window reads; `--pairs=F --x=V --y=W [--filter=E]` without --stats
// or --chart gives two variables of a file of individuals, read here so that a fault ends
// the program with status 2 and its reason before any window shows. Both empty, status
// 0, for any other arguments.
struct PairsWindowStart {
    QString file;
    std::optional<core::pairs::Pairs> pairs;
    int status = 0;  // not 0: the reason is printed, the program ends with it
};
PairsWindowStart pairsWindowStart(const QStringList& arguments);

// Whether the arguments ask for two variables (--pairs or --lorenz).
bool wantsPairs(const QStringList& arguments);

// statistique --pairs=F [--x=V --y=W [--filter=E]] --stats [--fit=K]... [--predict-x=X]
// [--predict-y=Y] [--decimals=N] statistique --pairs=F --chart=scatter|residuals [--fit=K]...
// --export=S statistique --lorenz=F --stats | --chart=lorenz --export=S
int runPairs(int argc, char* argv[], const QStringList& arguments);

}  // namespace command_line
