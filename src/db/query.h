#pragma once
// A statement with its last result, as the windows hold them: the text and its
// parameters, the rows, and a sort field and filter that stay attached across
// re-opens (a list re-read after a change is sorted and filtered as before).

#include "db/connection.h"

#include <QObject>

namespace db {

class Query : public QObject {
    Q_OBJECT
public:
    explicit Query(Connection* connection = nullptr, QObject* parent = nullptr);

    void setConnection(Connection* c) { conn_ = c; }
    Connection* connection() const { return conn_; }

    void setSql(const QString& sql) { sql_ = sql; }
    const QString& sql() const { return sql_; }
    void setParams(Params p) { params_ = std::move(p); }
    void setParam(const QString& name, const Value& v);
    const Params& params() const { return params_; }

    // Runs the statement and keeps its rows; the sort field and filter are applied
    // again. On failure the previous rows are dropped (the grid shows none) and
    // DbError is thrown.
    void open();
    void open(const QString& sql, const Params& params = {});
    // Runs the statement without keeping rows.
    void exec();
    void exec(const QString& sql, const Params& params = {});
    // Re-runs the same statement (a refresh of the open result).
    void refresh() { open(); }
    // Forgets the rows.
    void close();
    bool isActive() const { return active_; }

    const Dataset& data() const { return data_; }
    int rowCount() const { return data_.rowCount(); }
    bool isEmpty() const { return data_.isEmpty(); }
    Row row(int r) const { return data_.row(r); }
    QString text(int r, const QString& field) const { return data_.text(r, field); }

    // Client-side sort that later opens keep; an empty name restores server order.
    void setSortField(const QString& field);
    const QString& sortField() const { return sortField_; }
    void setFilter(const QString& expression);
    const QString& filter() const { return filter_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }
    // filter text and switch in one step; an empty text switches filtering off
    void applyFilter(const QString& expression);

    int locate(const QString& field, const QVariant& value) const { return data_.locate(field, value); }

signals:
    // the rows, their order or the filter changed
    void reset();

private:
    void adopt(Dataset d);

    Connection* conn_;
    QString sql_;
    Params params_;
    Dataset data_;
    QString sortField_;
    QString filter_;
    bool filtered_ = false;
    bool active_ = false;
};

}  // namespace db
