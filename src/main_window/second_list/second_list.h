#pragma once

// The main window's second list: the second series kept as free text in its box, read
// at every change, taken into account by the charts or not, filled at random and sorted.
// The program rewrites the box under the model's maj_liste2, so that its own writes are
// not read back. The window makes the box and hands it over, with the model it writes.

#include "ui/text_box.h"

#include <QObject>

#include <vector>

namespace core {
class Model;
}

class SecondList : public QObject {
    Q_OBJECT

public:
    SecondList(QObject* parent, ui::MultiLineTextBox* box, core::Model& model);

    // The box's text read into the model, unless the program is writing it.
    void read();
    // The program itself is rewriting the box: its keys and changes are not the learner's.
    bool beingWritten() const;
    // The charts take the second list into account, or stop taking it.
    void toggleIncluded();
    // Six whole values drawn from 0 to 99.
    void fillAtRandom();
    void sort(bool ascending);

private:
    // The program writes `values` into the model and the box; `summarise` when they are
    // new.
    void write(const std::vector<double>& values, bool summarise);

    ui::MultiLineTextBox* box_;
    core::Model& model_;
};
