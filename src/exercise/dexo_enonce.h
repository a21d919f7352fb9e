#pragma once

// The exercise window: a speed-check problem (eight classes of speeds with their
// counts, four questions) and three buttons that ask for the counts in the main
// window's series and for the chosen chart drawn there a moment later. It is created
// on first use and afterwards only shown and hidden; closing it hides it.

#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/line.h"
#include "ui/single_window.h"
#include "ui/text_box.h"

class Dexo_enonce : public ui::Form, public ui::SingleWindow<Dexo_enonce> {
    Q_OBJECT

public:
    ui::Label* Label1;
    ui::ControlArray<ui::Label> Label2;   // indexes 0, 1 and 3
    ui::ControlArray<ui::Label> Label3;   // indexes 0 to 5
    ui::ControlArray<ui::TextBox> Text1;  // the class table, read-only
    ui::Line* Line1;
    ui::ControlArray<ui::CommandButton> command_camembert;

signals:
    // The main series is to become `texts`, as a step named `step` that can be undone.
    void listRequested(const QStringList& texts, const QString& step);
    // The main window is to draw the chart of its button `Index` a moment later.
    void chartRequested(int Index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class ui::SingleWindow<Dexo_enonce>;
    Dexo_enonce();
    void createStatement();
    void createTable();

    void Form_Activate();
    void command_camembert_Click(int Index);
};
