#pragma once
// The data grid of the list windows: a read-only, whole-row table over a query,
// with the program's colours (current row RGB(255,216,176) with black text, title
// band RGB(252,191,131)), per-column captions and widths, title clicks, Enter and
// double-click. Like a dataset cursor, the current row is the first row after every
// load unless the owner moves it.

#include "db/datasetmodel.h"

#include <QTableView>

namespace controls {

// The colours and behaviour of every grid of the program (also for grids that are
// not DBGrids).
void styleGrid(QTableView* view);

class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);

    // shows the query's rows in these columns (all fields when the list is empty)
    void setQuery(db::Query* query, std::vector<db::GridColumn> columns = {});
    db::Query* query() const { return model_ ? model_->query() : nullptr; }
    db::DatasetModel* dataModel() const { return model_; }

    // current row of the query's visible rows, -1 when the grid is empty
    int currentRow() const;
    void setCurrentRow(int row);
    // the field's text in the current row ("" when there is none)
    QString currentText(const QString& field) const;

    // the client-side sort of a title click: rows re-sorted by the field, its
    // title bold and the others normal; later loads keep it
    void sortByField(const QString& field);

    // the listed columns' widths again (after the owner changed them)
    void applyWidths();
    // whether every load sets the specified widths again (default); off, the
    // widths are set once and what the user dragged them to stays
    void setWidthsOnLoad(bool on) { widthsOnLoad_ = on; }

signals:
    void titleClicked(const QString& field);
    void enterPressed();
    void rowDoubleClicked(int row);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    db::DatasetModel* model_ = nullptr;
    bool widthsOnLoad_ = true;
    std::vector<int> keptWidths_;
};

}  // namespace controls
