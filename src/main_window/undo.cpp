// Undo and redo over what replaced or changed the series, on Qt's undo stack: each step
// gives back both lists as they were, then the engine runs, so that the summary follows.

#include "engine/dexo_mod.h"
#include "main_window/calculer_bilan.h"
#include "main_window/statistique.h"

#include <QAction>
#include <QUndoCommand>

#include <functional>
#include <optional>

namespace {

// One change of the series, between the two states it joins. The change is made before
// the step is pushed, so the push's own redo has nothing to do.
class SeriesStep : public QUndoCommand {
public:
    using Show = std::function<void(const core::Snapshot&)>;
    SeriesStep(const QString& name, core::Snapshot before, core::Snapshot after, Show show)
        : QUndoCommand(name),
          name_(name),
          before_(std::move(before)),
          after_(std::move(after)),
          show_(std::move(show)) {}

    // The name whole: a command's own text stops at a line break.
    const QString& name() const { return name_; }

    void undo() override { show_(before_); }
    void redo() override {
        if (made_) return void(made_ = false);
        show_(after_);
    }

private:
    QString name_;
    core::Snapshot before_, after_;
    Show show_;
    bool made_ = true;
};

// The name of the step at `index`; none when there is no such step. Every command of the
// stack is a SeriesStep.
std::optional<QString> stepName(const QUndoStack& stack, int index) {
    if (index < 0 || index >= stack.count()) return std::nullopt;
    return static_cast<const SeriesStep*>(stack.command(index))->name();
}

}  // namespace

core::Snapshot statistique::snapshot() const {
    return {dexo_mod::model().series1, Text_liste2->text()};
}

// A step that changed nothing is not kept; a new step drops what could be redone.
void statistique::recordStep(const QString& name, const core::Snapshot& before) {
    core::Snapshot after = snapshot();
    if (before == after) return;
    undoStack_.push(new SeriesStep(name, before, std::move(after),
                                   [this](const core::Snapshot& i) { displaySnapshot(i); }));
}

void statistique::displaySnapshot(const core::Snapshot& i) {
    List1->setItems(i.list1);
    dexo_mod::calculer_bilan();
    if (Text_liste2->text() != i.list2Text) Text_liste2->setText(i.list2Text);
    // The chart and the frequency answer showed the series that is gone.
    sub_graph_effacer();
    Label1->setCaption(QString());
}

void statistique::displayUndo() {
    mnuAnnuler->setText(core::undoText(stepName(undoStack_, undoStack_.index() - 1)));
    mnuAnnuler->setEnabled(undoStack_.canUndo());
    mnuRetablir->setText(core::redoText(stepName(undoStack_, undoStack_.index())));
    mnuRetablir->setEnabled(undoStack_.canRedo());
}

void statistique::mnuAnnuler_Click() {
    if (!undoStack_.canUndo()) return;
    undoStack_.undo();
    displayUndo();
}

void statistique::mnuRetablir_Click() {
    if (!undoStack_.canRedo()) return;
    undoStack_.redo();
    displayUndo();
}
