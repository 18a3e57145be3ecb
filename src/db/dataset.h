#pragma once
// The rows a query returned: column names, nullable values, field by name, locate,
// a stable client-side sort by one field and an in-memory filter expression.
//
// A dataset is a cheap value: copies share the rows. Sorting and filtering only
// change which rows are visible and in which order; row numbers in the methods
// below always count the visible rows in their current order.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace db {

enum class ColumnType { Text, Integer, Real, Numeric, Boolean, Date, Timestamp, Bytes, Other };

// Where the cells live: a server result or rows made in memory.
class RowStore {
public:
    virtual ~RowStore() = default;
    virtual int rows() const = 0;
    virtual int columns() const = 0;
    virtual QString columnName(int c) const = 0;
    virtual ColumnType columnType(int c) const = 0;
    virtual bool isNull(int r, int c) const = 0;
    // the cell as the server wrote it (UTF-8 text form); empty for null
    virtual QByteArray raw(int r, int c) const = 0;
    virtual const char* rawData(int r, int c, int* len) const = 0;
};

class Dataset;

// One visible row of a dataset, addressed by field names.
class Row {
public:
    Row(const Dataset* ds, int row) : ds_(ds), row_(row) {}
    bool isNull(const QString& field) const;
    QString text(const QString& field) const;
    QVariant value(const QString& field) const;
    int toInt(const QString& field, int fallback = 0) const;
    double toDouble(const QString& field, double fallback = 0) const;
    QByteArray bytes(const QString& field) const;
    int index() const { return row_; }

private:
    const Dataset* ds_;
    int row_;
};

class Dataset {
public:
    Dataset();
    explicit Dataset(std::shared_ptr<const RowStore> store);
    // rows made in memory; a null QVariant is a null cell (tests, computed lists)
    static Dataset fromRows(const QStringList& columns, const std::vector<QVariantList>& rows,
                            const std::vector<ColumnType>& types = {});

    int rowCount() const { return int(visible_.size()); }
    int totalRowCount() const;
    bool isEmpty() const { return visible_.empty(); }
    int columnCount() const;
    QString columnName(int c) const;
    ColumnType columnType(int c) const;
    QStringList columnNames() const;
    // column by name, without regard to letter case; -1 when absent
    int columnIndex(const QString& name) const;
    bool hasColumn(const QString& name) const { return columnIndex(name) >= 0; }

    bool isNull(int row, int col) const;
    // display text: "" for null, dates as yyyy.MM.dd, times as yyyy.MM.dd hh:mm:ss,
    // booleans as True/False, everything else as the server wrote it
    QString text(int row, int col) const;
    QVariant value(int row, int col) const;
    QByteArray bytes(int row, int col) const;  // decoded bytea (or the raw text)

    // by field name; a missing field throws DbError like a missing column would
    QString text(int row, const QString& field) const { return text(row, need(field)); }
    QVariant value(int row, const QString& field) const { return value(row, need(field)); }
    bool isNull(int row, const QString& field) const { return isNull(row, need(field)); }
    QByteArray bytes(int row, const QString& field) const { return bytes(row, need(field)); }
    Row row(int r) const { return Row(this, r); }

    // first visible row whose field equals value (numbers compared as numbers,
    // everything else as display text); -1 when none
    int locate(const QString& field, const QVariant& value) const;

    // stable ascending sort of all rows by one field (nulls first); an empty name
    // restores the order the server returned
    void sortBy(const QString& field);
    const QString& sortField() const { return sortField_; }

    // the small expressions of the sample editor: comparisons of a field with a
    // number or a quoted text, joined by and/or, with not and parentheses.
    // An expression that does not parse, or names a missing field, throws DbError.
    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // the storage row behind a visible row
    int sourceRow(int row) const { return visible_[size_t(row)]; }

private:
    int need(const QString& field) const;
    void rebuildVisible();

    std::shared_ptr<const RowStore> store_;
    std::vector<int> order_;    // all rows, in sort order
    std::vector<int> visible_;  // the filtered subset of order_
    QString sortField_;
    QString filterText_;
    std::function<bool(int)> predicate_;
    bool filtered_ = false;
};

}  // namespace db
