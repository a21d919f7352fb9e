#pragma once

// A file of individuals from the command line, with no window: its variables, one
// variable's counts, parameters or classes, a cross table, and their charts written to
// a file, each for the individuals a filter keeps.

#include <QStringList>

namespace command_line {

// Whether the arguments ask for one of these outputs: --individuals with --variables,
// --stats, --classes, --crosstab or --export. --individuals alone opens the window.
bool wantsIndividuals(const QStringList& arguments);

// statistique --individuals=F (--variables | --stats --variable=V | --variable=V
// --classes=A [--start=D] | --crosstab=A,B [--percentages=row|column|total])
// [--filter=E] [--chart=bars|pie|histogram --export=S]
int runIndividuals(int argc, char* argv[], const QStringList& arguments);
// `--individuals=F` (or `--individuals F`) alone opens the program on F: the file, taken
// out of `arguments`, or the empty text when it is not given.
QString takeIndividualsFile(QStringList& arguments);

}  // namespace command_line
