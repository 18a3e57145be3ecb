#pragma once
// A Qt table model over a query's rows, with per-column caption, width and
// visibility, as the grids of the windows show them.

#include "db/query.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

namespace db {

struct GridColumn {
    QString field;
    QString caption;
    int width = 64;
    bool visible = true;
};

class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(Query* query, QObject* parent = nullptr);

    // Listed columns only, in this order; with none listed every field is shown
    // under its own name.
    void setColumns(std::vector<GridColumn> columns);
    const std::vector<GridColumn>& columns() const { return columns_; }
    void setColumnVisible(const QString& field, bool visible);
    void setCaption(const QString& field, const QString& caption);
    void setWidth(const QString& field, int width);

    Query* query() const { return query_; }
    // the field shown in a model column
    QString fieldAt(int column) const;
    int columnOf(const QString& field) const;
    int widthAt(int column) const;
    // title shown in bold (the column the rows are sorted by)
    void setBoldField(const QString& field);
    const QString& boldField() const { return bold_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void rebuild();

    QPointer<Query> query_;
    std::vector<GridColumn> columns_;
    std::vector<int> shown_;      // model column -> dataset column (-1: field missing)
    std::vector<int> shownSpec_;  // model column -> index in columns_ (-1 when unspecified)
    QString bold_;
};

}  // namespace db
