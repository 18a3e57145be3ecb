#pragma once
// Tkep_sg: a string grid whose cells show marked-up texts (formula markup without
// the tilde rule; text from the cell's left edge + 3, script runs at 0.75 of the
// grid font's size). Otherwise an ordinary QTableWidget: cells are items, an
// editable cell edits the raw text.

#include <QTableWidget>

namespace controls {

class KepletDelegate;

class Tkep_sg : public QTableWidget {
    Q_OBJECT
public:
    explicit Tkep_sg(QWidget* parent = nullptr);
    Tkep_sg(int rows, int columns, QWidget* parent = nullptr);

    // the text of a cell ("" when it has no item)
    QString cellText(int row, int column) const;
    // sets a cell's text, creating its item when needed
    void setCellText(int row, int column, const QString& text);

private:
    void setUp();
    KepletDelegate* delegate_ = nullptr;
};

}  // namespace controls
