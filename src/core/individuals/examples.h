#pragma once

// The data sets shipped with the program, found as the exercises are: beside the
// built or installed program (../share/statistique/donnees), then in the system's
// data folders.

#include <QString>
#include <QStringList>

namespace core::individuals {

QStringList exampleFolders();
// The files of individuals of the first folder holding any, sorted by name.
QStringList exampleFiles();

}  // namespace core::individuals
