#pragma once

// A table's column titles on up to three lines: a long title ("Fréquence cumulée
// croissante (%)") takes the width of its longest line rather than of itself, so every
// column is read in full at the window's opening size.

#include <QHeaderView>

class WrappedHeader : public QHeaderView {
    Q_OBJECT

public:
    explicit WrappedHeader(QWidget* parent);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
