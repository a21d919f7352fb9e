#pragma once

// Two variables from the command line, with no window: the statistics and fits of a
// file of pairs, the Gini index of a Lorenz curve, their charts written to a file.
// Parses its own options and returns the process's exit status (2 with a French
// reason on standard error for anything it cannot do).

#include <QStringList>

namespace command_line {

// The file of `statistique --pairs=F` alone, which opens the two variables' window;
// empty for any other arguments.
QString pairsWindowFile(const QStringList& arguments);

// Whether the arguments ask for two variables (--pairs or --lorenz).
bool wantsPairs(const QStringList& arguments);

// statistique --pairs=F --stats [--fit=K]... [--predict-x=X] [--predict-y=Y] [--decimals=N]
// statistique --pairs=F --chart=scatter|residuals [--fit=K]... --export=S
// statistique --lorenz=F --stats | --chart=lorenz --export=S
int runPairs(int argc, char* argv[], const QStringList& arguments);

}  // namespace command_line
