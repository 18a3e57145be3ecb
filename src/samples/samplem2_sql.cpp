#include "samples/samplem2_sql.h"

#include "db/sqltext.h"

namespace samples {

QString sampleRowSql(const QString& sampleId)
{
    return QStringLiteral(
               "select ge.geo_nev,samplet.*,addszemelynev(samplet.tnev_kod) AS tnev, addlabornev(samplet.tlabor_kod) AS tlabor,"
               " addszemelynev(samplet.sznev_kod) AS sznev, addlabornev(samplet.szlabor_kod) AS szlabor,calc_dol,d13c,d18o,caco3,sr87,"
               "short_d,users.user_name,users.teljnev from samplet left join geo_un ge on ge.geo_id=samplet.geo_id "
               " join users on users.user_id=samplet.letre_user where sample_id=")
        + db::sqlKey(sampleId);
}

QString measurementNodesSql(const QString& sampleId)
{
    return QStringLiteral(
               "select distinct s.meres_id,s.meres_nev,s.tipus,   case when mit_mer=1 then 'Bulk'  when mit_mer=2 then 'Matrix' "
               " when mit_mer=3 then 'Temper'  when mit_mer=4 then 'Surface'  when mit_mer=5 then s.meres_nev else ' ' end as name "
               "  from meresek s  where s.id=")
        + db::sqlKey(sampleId) + QStringLiteral(" order by s.meres_id");
}

QString analysisNodesSql(const QString& sampleId)
{
    return QStringLiteral("select alkmet_id,metod_name from alk_mettorzs where alk_mettorzs.sample_id=") + db::sqlKey(sampleId)
        + QStringLiteral(" order by metod_name");
}

QString measurementNodeCaption(int k, const QString& name)
{
    return QStringLiteral("Nr. ") + QString::number(k) + QStringLiteral(" (") + name + QLatin1Char(')');
}

QString descLoadSql(const QString& sampleId)
{
    return QStringLiteral("select description from samplet  where sample_id=") + db::sqlKey(sampleId);
}

QString descSaveSql(const QString& sampleId)
{
    return QStringLiteral("update samplet set description=:par where sample_id=") + db::sqlKey(sampleId);
}

}  // namespace samples
