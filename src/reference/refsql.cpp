#include "reference/refsql.h"

#include "db/error.h"
#include "db/sqltext.h"

namespace reference {
namespace {

QString paramName(size_t i) { return i == 0 ? QStringLiteral("par") : QStringLiteral("par%1").arg(i + 1); }

db::Value paramValue(const ParamSource& s, const EditValues& v)
{
    switch (s.kind) {
    case ParamSource::Field: {
        const QString t = v.fields.value(s.field);
        return s.trimmed ? t.trimmed() : t;
    }
    case ParamSource::FieldInt:
        return toInteger(v.fields.value(s.field));
    case ParamSource::OpenedId:
        return v.openedId;
    case ParamSource::Arg:
        return toInteger(v.arg);
    }
    return {};
}

Statement bound(const BoundStatement& b, const EditValues& v)
{
    Statement s{b.sql, {}};
    for (size_t i = 0; i < b.params.size(); ++i) s.params.emplace_back(paramName(i), paramValue(b.params[i], v));
    if (b.appendId) s.sql += db::sqlKey(v.fields.value(0));
    return s;
}

}  // namespace

int toInteger(const QString& text) { return db::sqlKey(text).toInt(); }

Statement loadStatement(const RefDesc& d, const QString& arg)
{
    Statement s{d.loadHead + d.sortClause + d.loadTail, {}};
    if (d.arg == ListArg::Integer) s.params.emplace_back(QStringLiteral("par"), db::Value(arg.trimmed().toInt()));
    if (d.arg == ListArg::Text) s.params.emplace_back(QStringLiteral("par"), db::Value(arg));
    return s;
}

QString deleteSql(const RefDesc& d, const QString& key)
{
    return QStringLiteral("delete from ") + d.table + QStringLiteral(" where ") + d.key + QLatin1Char('=') + db::sqlKey(key);
}

QString rereadSql(const RefDesc& d, const QString& id)
{
    return QStringLiteral("select ") + d.nameColumn() + QStringLiteral(" from ") + d.table + QStringLiteral(" where ")
           + d.key + QLatin1Char('=') + db::sqlKey(id);
}

QString changedQuestion(const QString& opened, const QString& stored)
{
    return QStringLiteral("A(z) ") + opened + QStringLiteral(" rekord megváltozott a megnyitás óta.") + QLatin1Char('\r')
           + QStringLiteral("Jelenlegi formája: ") + stored + QLatin1Char('\r') + QStringLiteral("Felülírja ezt?");
}

Statement updateStatement(const RefDesc& d, const EditValues& v)
{
    if (d.values == Values::Bound) return bound(d.update, v);
    // update <table> set <name>='<trimmed name>'[,...] where <key>=<digits>
    QString sql = QStringLiteral("update ") + d.table + QStringLiteral(" set ");
    for (size_t i = 0; i < d.fields.size(); ++i) {
        if (i > 0) sql += QLatin1Char(',');
        sql += d.fields[i].column + QLatin1Char('=') + db::quote(v.fields.value(int(i) + 1).trimmed());
    }
    return {sql + QStringLiteral(" where ") + d.key + QLatin1Char('=') + db::sqlKey(v.fields.value(0)), {}};
}

Statement insertStatement(const RefDesc& d, const EditValues& v)
{
    if (d.values == Values::Bound) return bound(d.insert, v);
    // insert into <table> (<name>[,...]) values ('<trimmed name>'[,...])
    QString cols, vals;
    for (size_t i = 0; i < d.fields.size(); ++i) {
        if (i > 0) {
            cols += QLatin1Char(',');
            vals += QLatin1Char(',');
        }
        cols += d.fields[i].column;
        vals += db::quote(v.fields.value(int(i) + 1).trimmed());
    }
    return {QStringLiteral("insert into ") + d.table + QStringLiteral(" (") + cols + QStringLiteral(") values (") + vals
                + QLatin1Char(')'),
            {}};
}

}  // namespace reference
