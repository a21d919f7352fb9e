#pragma once

// statistique --simulate: samples simulated from the command line, their figures on
// standard output or one of their charts written to a file, with no window. Reads its
// own options; a fault is told in French on standard error with status 2.

#include <QStringList>

namespace command_line {

// statistique --simulate (--p=P | --population=FICHIER) --n=N --samples=K [--serie=S]
//             [--chart=frequencies|fluctuation|large-numbers --export=SORTIE]
int runSimulation(int argc, char* argv[], const QStringList& arguments);

}  // namespace command_line
