#include "reference/artsql.h"

#include "core/dates.h"
#include "core/messages.h"
#include "db/error.h"
#include "db/sqltext.h"
#include "reference/numcheck.h"

namespace reference {
namespace {

// a dimension as a bare number, or null when the field is empty
QString number(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return QStringLiteral("null");
    if (!isNumberText(t)) throw db::DbError(QStringLiteral("'%1' is not a valid number").arg(text));
    return t;
}

QString dateText(const QDate& d)
{
    return d.isValid() ? db::quote(core::formatDate(d)) : QStringLiteral("null");
}

}  // namespace

const std::vector<ArtDimension>& artDimensions()
{
    static const std::vector<ArtDimension> dims = {
        {QStringLiteral("width"), QStringLiteral("Width"), &ArtRecord::width},
        {QStringLiteral("length"), QStringLiteral("Length"), &ArtRecord::length},
        {QStringLiteral("depth"), QStringLiteral("Depth"), &ArtRecord::depth},
        {QStringLiteral("weight"), QStringLiteral("Weight"), &ArtRecord::weight},
    };
    return dims;
}

QStringList artProblems(const ArtRecord& r)
{
    QStringList out;
    if (r.name.isEmpty()) out << msg::artNameEmpty;
    const QString labor = r.laborId.trimmed();
    if (labor.isEmpty() || labor == QLatin1String("0")) out << msg::instituteEmpty;
    for (const ArtDimension& d : artDimensions()) {
        const QString& v = r.*d.field;
        if (!v.trimmed().isEmpty() && !isNumberText(v)) out << notANumber(d.label);
    }
    return out;
}

QString artLoadSql(const QString& id)
{
    return QStringLiteral(
               "select *,labor_nev,users.user_name,users.teljnev from artefactt left join labort on "
               "artefactt.labor_id=labort.labor_kod left join users on users.user_id=artefactt.letre_user where art_id=")
           + db::sqlKey(id);
}

QString artUpdateSql(const ArtRecord& r)
{
    QString sql = QStringLiteral("update artefactt set art_name=") + db::quote(r.name) + QStringLiteral(",labor_id=")
                  + db::sqlKey(r.laborId) + QStringLiteral(",tip_mat=") + db::quote(r.material)
                  + QStringLiteral(",tip_age=") + db::quote(r.age) + QStringLiteral(",description=")
                  + db::quote(r.description) + QStringLiteral(",dateadd=") + dateText(r.dateAdded);
    for (const ArtDimension& d : artDimensions()) sql += QLatin1Char(',') + d.column + QLatin1Char('=') + number(r.*d.field);
    return sql + QStringLiteral(" where art_id=") + db::sqlKey(r.id);
}

QString artInsertSql(const ArtRecord& r, int currentUserId)
{
    QString sql = QStringLiteral(
                      "begin;insert into artefactt (art_name,labor_id,width,length,depth,weight,tip_mat,tip_age,dateadd,"
                      "description,letre_user,letre_dat) values (")
                  + db::quote(r.name) + QLatin1Char(',') + db::sqlKey(r.laborId);
    for (const ArtDimension& d : artDimensions()) sql += QLatin1Char(',') + number(r.*d.field);
    return sql + QLatin1Char(',') + db::quote(r.material) + QLatin1Char(',') + db::quote(r.age) + QLatin1Char(',')
           + dateText(r.dateAdded) + QLatin1Char(',') + db::quote(r.description) + QLatin1Char(',')
           + QString::number(currentUserId) + QStringLiteral(",(select  now()))");
}

QString artKeySql() { return QStringLiteral("commit; select currval('gen_id') as art_id;"); }

QString altNamesSql() { return QStringLiteral("select * from art_nev where art_id=:par order by art_name"); }

QString altInsertSql(const QString& name, const QString& artId)
{
    return QStringLiteral("insert into art_nev (art_name,art_id) values (") + db::quote(name.trimmed())
           + QLatin1Char(',') + db::sqlKey(artId) + QLatin1Char(')');
}

QString altDeleteSql() { return QStringLiteral("delete from art_nev where artnev_id=:par"); }

}  // namespace reference
