#pragma once

#include <QString>
#include <QWidget>

class QMenuBar;

namespace ui {

// A top-level window with its client area measured in twips. It opens centred on the
// screen the first time it is shown and reports each activation. A window with a menu
// bar keeps its client area whole below the bar and grows by the bar's height.
class Form : public QWidget {
    Q_OBJECT

public:
    struct Properties {
        QString caption;
        double clientWidth = 0;    // twips
        double clientHeight = 0;   // twips
        quint32 background = 0;    // packed colour
        bool fixedBorder = false;  // single fixed border, no minimise or maximise button
        bool noIcon = false;       // a blank icon rather than the program's
        bool menuBar = false;
    };

    explicit Form(const Properties& properties);

    // The area the controls are placed in: below the menu bar, or the whole window.
    QWidget* client() const { return client_; }
    QMenuBar* menuBar() const { return menuBar_; }

    // Shows the window without a modal loop, centred the first time, and brings it to
    // the front.
    void showCentred();

signals:
    void activated();

protected:
    template <class>
    friend class SingleWindow;
    // The load event, once the window is made; nothing by default.
    virtual void load() {}
    bool event(QEvent* event) override;
    // The next showCentred() centres the window again, as at its first opening.
    void forgetPlace() { placed_ = false; }

private:
    bool placed_ = false;
    int barHeight_ = 0;  // the menu bar's height the window was last fitted to
    QWidget* client_ = this;
    QMenuBar* menuBar_ = nullptr;
};

}  // namespace ui
