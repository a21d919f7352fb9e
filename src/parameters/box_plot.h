#pragma once

#include "core/graduations.h"
#include "core/parameters.h"

#include <QWidget>

#include <optional>

// Both series on one graduated horizontal axis, series 1 in blue above series 2 in
// red: whiskers from the minimum to Q1 and from Q3 to the maximum, a box from Q1 to
// Q3, a line at the median. A screen reader reads the five figures of each.
class BoiteAMoustaches : public QWidget {
    Q_OBJECT

public:
    explicit BoiteAMoustaches(QWidget* parent);

    // A series without values is not drawn.
    void montrer(const core::Parametres& serie1, const core::Parametres& serie2);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Boite {
        double minimum, q1, mediane, q3, maximum;
    };
    static std::optional<Boite> boiteDe(const core::Parametres& p);

    std::optional<Boite> boites_[2];
    core::Axe axe_;
};
