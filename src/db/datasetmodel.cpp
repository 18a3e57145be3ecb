#include "db/datasetmodel.h"

#include <QFont>

namespace db {

DatasetModel::DatasetModel(Query* query, QObject* parent) : QAbstractTableModel(parent), query_(query)
{
    connect(query_, &Query::reset, this, [this] {
        beginResetModel();
        rebuild();
        endResetModel();
    });
    rebuild();
}

void DatasetModel::setColumns(std::vector<GridColumn> columns)
{
    beginResetModel();
    columns_ = std::move(columns);
    rebuild();
    endResetModel();
}

void DatasetModel::setColumnVisible(const QString& field, bool visible)
{
    beginResetModel();
    for (auto& c : columns_)
        if (c.field.compare(field, Qt::CaseInsensitive) == 0) c.visible = visible;
    rebuild();
    endResetModel();
}

void DatasetModel::setCaption(const QString& field, const QString& caption)
{
    for (auto& c : columns_)
        if (c.field.compare(field, Qt::CaseInsensitive) == 0) c.caption = caption;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void DatasetModel::setWidth(const QString& field, int width)
{
    for (auto& c : columns_)
        if (c.field.compare(field, Qt::CaseInsensitive) == 0) c.width = width;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void DatasetModel::setBoldField(const QString& field)
{
    bold_ = field;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void DatasetModel::rebuild()
{
    shown_.clear();
    shownSpec_.clear();
    const Dataset& d = query_->data();
    if (columns_.empty()) {
        for (int c = 0; c < d.columnCount(); ++c) {
            shown_.push_back(c);
            shownSpec_.push_back(-1);
        }
        return;
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!columns_[i].visible) continue;
        shown_.push_back(d.columnIndex(columns_[i].field));
        shownSpec_.push_back(int(i));
    }
}

QString DatasetModel::fieldAt(int column) const
{
    if (column < 0 || size_t(column) >= shown_.size()) return {};
    if (shownSpec_[size_t(column)] >= 0) return columns_[size_t(shownSpec_[size_t(column)])].field;
    return query_->data().columnName(shown_[size_t(column)]);
}

int DatasetModel::columnOf(const QString& field) const
{
    for (int c = 0; c < columnCount(); ++c)
        if (fieldAt(c).compare(field, Qt::CaseInsensitive) == 0) return c;
    return -1;
}

int DatasetModel::widthAt(int column) const
{
    if (column < 0 || size_t(column) >= shown_.size() || shownSpec_[size_t(column)] < 0) return 64;
    return columns_[size_t(shownSpec_[size_t(column)])].width;
}

int DatasetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : query_->data().rowCount();
}

int DatasetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const int col = shown_[size_t(index.column())];
    if (col < 0) return {};
    const Dataset& d = query_->data();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return d.text(index.row(), col);
    if (role == Qt::TextAlignmentRole) {
        const ColumnType t = d.columnType(col);
        if (t == ColumnType::Integer || t == ColumnType::Real || t == ColumnType::Numeric)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // the row header is the grid's narrow indicator band: no numbers in it
    if (orientation != Qt::Horizontal) return {};
    if (section < 0 || size_t(section) >= shown_.size()) return {};
    const int listed = shownSpec_[size_t(section)];
    if (role == Qt::DisplayRole)
        return listed >= 0 ? columns_[size_t(listed)].caption : fieldAt(section);
    if (role == Qt::FontRole && !bold_.isEmpty() && fieldAt(section).compare(bold_, Qt::CaseInsensitive) == 0) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

}  // namespace db
