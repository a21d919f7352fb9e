#pragma once

// The series the benchmarks work on, loaded into the main window as the program would.

#include <QStringList>

class statistique;

// 1 + (i * 37) % 97 for i below n; loaded only when it is not there already.
statistique& windowWithSeries(int n);
// Any series; the next windowWithSeries() loads its own again.
statistique& windowWithItems(const QStringList& items);
// Whether the charts take a 51-value second list into account.
void withSecondList(bool taken);
