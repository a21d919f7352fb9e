#pragma once

// statistique --sheets: a sheet per pupil, each with the data of its own series number,
// and the answer key, written as PDF with no window. Reads its own options; a fault is
// told in French on standard error with status 2.

#include <QStringList>

namespace command_line {

bool wantsSheets(const QStringList& arguments);

// statistique --sheets=E1.json[,E2.json…] --pupils=N|FICHIER [--serie=S]
//             --export=feuilles.pdf [--answer-key=corrige.pdf]
int runSheets(int argc, char* argv[], const QStringList& arguments);

}  // namespace command_line
