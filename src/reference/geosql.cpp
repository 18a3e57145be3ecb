#include "reference/geosql.h"

#include "db/sqltext.h"

namespace reference {

QString geoAllRowsSql()
{
    return QStringLiteral(
        "select geo_id,geo_nev,geo_papa,gu.age_of_pr ,k.kor_nev as ageofpr,gu.description,mg.mgrade_nev "
        ",us.teljnev,us.user_name, gu.letre_datum  from geo_un gu left join users us on us.user_id=gu.letre_user  "
        "left join korok k on k.kor_id=gu.age_of_pr left join mgrade mg on mg.mgrade_id=gu.met_grade  "
        "order by geo_papa,geo_nev");
}

QString geoTopSql() { return QStringLiteral("select geo_id,geo_nev from geo_un where geo_papa is null order by geo_nev"); }

QString geoAgesSql() { return QStringLiteral("select geo_id,szulok(gk.kor_id) as kor_nev  from geoun_kor gk"); }

QString geoSamplesSql() { return QStringLiteral("select sample_id from samplet where geo_id=:par"); }

QString geoChildSql() { return QStringLiteral("select geo_id from geo_un gu  where geo_papa=:par limit 1 "); }

QString geoDeleteSql()
{
    return QStringLiteral("begin;delete from geoun_kor where geo_id=:par;delete from geo_un where geo_id=:par;commit;");
}

QString geoParentsSql() { return QStringLiteral("select geo_id,geo_papa from geo_un"); }

QString geoLoadSql(const QString& id)
{
    return QStringLiteral(
               "select un.*,un2.geo_nev as geo2,us.teljnev,us.user_name,un.age_of_pr,szulok(un.age_of_pr) as ageofpr,"
               "un.met_grade, mg.mgrade_nev, un.description from geo_un un  left join users us on "
               "us.user_id=un.letre_user  left join geo_un un2 on un2.geo_id=un.geo_papa left join mgrade mg on "
               "mg.mgrade_id=un.met_grade where un.geo_id=")
           + db::sqlKey(id);
}

QString geoAgesGridSql()
{
    return QStringLiteral(
        "select gk.geo_id,gk.kor_id,szulok(gk.kor_id) as kor_nev from geoun_kor gk  join korok k on "
        "k.kor_id=gk.kor_id where gk.geo_id=:par");
}

QString geoAgeInsertSql() { return QStringLiteral("insert into geoun_kor (geo_id,kor_id) values (:par,:par2)"); }

QString geoAgeDeleteSql() { return QStringLiteral("delete from geoun_kor where geo_id=:par and kor_id=:par2"); }

QString geoUpdateSql(const GeoRecord& r)
{
    return QStringLiteral("update geo_un set geo_nev=") + db::quote(r.name) + QStringLiteral(",description=")
           + db::quote(r.description) + QStringLiteral(",geo_papa=") + db::keyOrNull(r.parent)
           + QStringLiteral(",age_of_pr=") + db::keyOrNull(r.age) + QStringLiteral(",met_grade=") + db::keyOrNull(r.grade)
           + QStringLiteral(" where geo_id=") + db::sqlKey(r.id);
}

QString geoInsertSql(const GeoRecord& r, int currentUserId)
{
    return QStringLiteral(
               "begin;insert into geo_un (geo_nev,geo_papa,letre_user,letre_datum,age_of_pr,met_grade,description) "
               "values (")
           + db::quote(r.name.trimmed()) + QLatin1Char(',') + db::keyOrNull(r.parent) + QLatin1Char(',')
           + QString::number(currentUserId) + QStringLiteral(",(select  now())") + QLatin1Char(',') + db::keyOrNull(r.age)
           + QLatin1Char(',') + db::keyOrNull(r.grade) + QLatin1Char(',') + db::quote(r.description) + QLatin1Char(')');
}

QString geoKeySql() { return QStringLiteral("commit; select currval('geo_un_geo_id_seq') as geo_id;"); }

QString korAllRowsSql() { return QStringLiteral("select kor_id,kor_nev,kor_papa from korok order by kor_papa,sorrend"); }

QString korTopSql() { return QStringLiteral("select kor_id,kor_nev from korok where kor_papa is null order by sorrend"); }

QString korDeleteSql() { return QStringLiteral("delete from korok where kor_id=:par"); }

QString korParentsSql() { return QStringLiteral("select kor_id,kor_papa from korok"); }

QString korLoadSql()
{
    return QStringLiteral("select k.kor_nev,k.kor_papa,szulok(k.kor_papa) as pnev, k.sorrend from korok k where k.kor_id=:par");
}

QString korUpdateSql(const KorRecord& r)
{
    QString sql = QStringLiteral("update korok set kor_nev=") + db::quote(r.name.trimmed()) + QStringLiteral(", sorrend=")
                  + db::sqlKey(r.order);
    sql += r.parent.trimmed().isEmpty() ? QStringLiteral(", kor_papa=null") : QStringLiteral(",kor_papa=") + db::sqlKey(r.parent);
    return sql + QStringLiteral(" where kor_id=") + db::sqlKey(r.id);
}

QString korInsertSql(const KorRecord& r)
{
    return QStringLiteral("insert into korok (kor_nev,sorrend,kor_papa) values (") + db::quote(r.name) + QLatin1Char(',')
           + db::sqlKey(r.order) + QLatin1Char(',') + db::keyOrNull(r.parent) + QLatin1Char(')');
}

}  // namespace reference
