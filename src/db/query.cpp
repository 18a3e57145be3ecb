#include "db/query.h"

namespace db {

Query::Query(Connection* connection, QObject* parent) : QObject(parent), conn_(connection) {}

void Query::setParam(const QString& name, const Value& v)
{
    for (auto& p : params_)
        if (p.first.compare(name, Qt::CaseInsensitive) == 0) { p.second = v; return; }
    params_.emplace_back(name, v);
}

void Query::adopt(Dataset d)
{
    data_ = std::move(d);
    if (!sortField_.isEmpty() && data_.hasColumn(sortField_))
        data_.sortBy(sortField_);
    if (!filter_.isEmpty()) {
        data_.setFilter(filter_);
        data_.setFiltered(filtered_);
    }
    emit reset();
}

void Query::open()
{
    if (!conn_) throw DbError(QStringLiteral("no connection to the server"), QStringLiteral("08003"), {}, {}, true);
    try {
        Dataset d = conn_->open(sql_, params_);
        active_ = true;
        adopt(std::move(d));
    } catch (...) {
        close();
        throw;
    }
}

void Query::open(const QString& sql, const Params& params)
{
    sql_ = sql;
    params_ = params;
    open();
}

void Query::exec()
{
    if (!conn_) throw DbError(QStringLiteral("no connection to the server"), QStringLiteral("08003"), {}, {}, true);
    conn_->exec(sql_, params_);
}

void Query::exec(const QString& sql, const Params& params)
{
    sql_ = sql;
    params_ = params;
    exec();
}

void Query::close()
{
    const bool had = active_ || !data_.isEmpty();
    active_ = false;
    data_ = Dataset();
    if (had) emit reset();
}

void Query::setSortField(const QString& field)
{
    sortField_ = field;
    if (data_.columnCount() > 0 && (field.isEmpty() || data_.hasColumn(field))) {
        data_.sortBy(field);
        emit reset();
    }
}

void Query::setFilter(const QString& expression)
{
    filter_ = expression;
    if (data_.columnCount() > 0) {
        data_.setFilter(expression);
        emit reset();
    }
}

void Query::setFiltered(bool on)
{
    filtered_ = on;
    if (data_.columnCount() > 0) {
        data_.setFiltered(on);
        emit reset();
    }
}

void Query::applyFilter(const QString& expression)
{
    filter_ = expression;
    filtered_ = !expression.trimmed().isEmpty();
    if (data_.columnCount() > 0) {
        data_.setFilter(expression);
        data_.setFiltered(filtered_);
        emit reset();
    }
}

}  // namespace db
