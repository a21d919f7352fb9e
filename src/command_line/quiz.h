#pragma once

// Exercises for a learning platform from the command line, with no window: a Moodle
// XML quiz or a GIFT file, each question in as many variants as asked. Parses its own
// options and returns the process's exit status (2 with a French reason on standard
// error for anything it cannot do).

#include <QStringList>

namespace command_line {

// Whether the arguments ask for a quiz (--moodle or --gift).
bool wantsQuiz(const QStringList& arguments);

// statistique --moodle=E1.json[,E2.json…] --variants=K [--serie=S] --export=quiz.xml
// statistique --gift=E1.json[,E2.json…] --variants=K [--serie=S] --export=quiz.gift
int runQuiz(const QStringList& arguments);

}  // namespace command_line
