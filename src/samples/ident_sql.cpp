#include "samples/ident_sql.h"

#include "core/dates.h"
#include "core/messages.h"
#include "db/sqltext.h"

namespace samples {
namespace {

const QString null = QStringLiteral("null");

bool isSet(const QString& id) { return !id.trimmed().isEmpty() && id.trimmed() != QLatin1String("0"); }

QString dateText(const IdentValues& v) { return QLatin1Char('\'') + core::formatDate(v.date) + QLatin1Char('\''); }

// locality_id by type: the geological locality (0 when it was cleared), the
// excavation when one is set, none for other samples
QString localityValue(const IdentValues& v)
{
    if (v.type == 1) return db::sqlKey(v.geoLocality);
    if (v.type == 2 && isSet(v.excLocality)) return db::sqlKey(v.excLocality);
    return null;
}

QString geoUnitValue(const IdentValues& v) { return db::keyOrNull(v.type == 1 ? v.geoUnitGeo : v.geoUnitArt); }

}  // namespace

QStringList identValidate(const IdentValues& v)
{
    QStringList out;
    if (v.name.trimmed().isEmpty()) out << msg::sampleNameMissing;
    if (v.type == 1 && v.geoLocality.trimmed().isEmpty()) out << msg::localityNameMissing;
    if (v.type == 2 && v.artId.trimmed().isEmpty()) out << msg::artefactEmpty;
    return out;
}

QString identMessage(const QStringList& messages)
{
    QString out;
    for (const QString& m : messages) out += m + QLatin1Char('\r');
    return out;
}

QString identUpdateSql(const IdentValues& v, const QString& sampleId)
{
    QString sql = QStringLiteral("update samplet set sample_name=") + db::quote(v.name)
        + QStringLiteral(",mint_jel=") + QString::number(v.type)
        + QStringLiteral(",description=") + db::quote(v.description)
        + QStringLiteral(",short_d=") + db::quote(v.shortD);
    sql += QStringLiteral(",date_of_sam=") + (v.hasDate ? dateText(v) : null);
    sql += QStringLiteral(",tnev_kod=") + db::keyOrNull(v.tnev);
    sql += QStringLiteral(",tlabor_kod=") + db::keyOrNull(v.tlabor);
    sql += QStringLiteral(",sznev_kod=") + db::keyOrNull(v.sznev);
    sql += QStringLiteral(",szlabor_kod=") + db::keyOrNull(v.szlabor);
    // an "Other" sample keeps its geological unit
    if (v.type != 3) sql += QStringLiteral(",geo_id=") + geoUnitValue(v);
    sql += QStringLiteral(",locality_id=") + localityValue(v);
    sql += QStringLiteral(",art_id=") + (v.type == 2 ? db::sqlKey(v.artId) : null);
    sql += QStringLiteral(",other_type=") + (v.type == 3 ? db::quote(v.otherText.trimmed()) : null);
    return sql + QStringLiteral(" where sample_id=") + db::sqlKey(sampleId);
}

QString identInsertSql(const IdentValues& v)
{
    QString sql = QStringLiteral(
        "begin;insert into samplet (sample_name,date_of_sam,locality_id,tnev_kod,tlabor_kod,sznev_kod,szlabor_kod,"
        "mint_jel,art_id,short_d,letre_user,letre_date,other_type,geo_id) values (");
    sql += db::quote(v.name.trimmed());
    sql += QLatin1Char(',') + (v.hasDate ? dateText(v) : null);
    sql += QLatin1Char(',') + localityValue(v);
    for (const QString* id : {&v.tnev, &v.tlabor, &v.sznev, &v.szlabor}) sql += QLatin1Char(',') + db::keyOrNull(*id);
    sql += QLatin1Char(',') + QString::number(v.type);
    sql += QLatin1Char(',') + (v.type == 2 ? db::sqlKey(v.artId) : null);
    sql += QLatin1Char(',') + (v.shortD.isEmpty() ? null : db::quote(v.shortD));
    sql += QLatin1Char(',') + QString::number(v.currentUserId) + QStringLiteral(",(select  now())");
    sql += QLatin1Char(',') + (v.type == 3 ? db::quote(v.otherText) : null);
    sql += QLatin1Char(',') + (v.type == 3 ? null : geoUnitValue(v));
    return sql + QStringLiteral(");");
}

QString identLoadSql(const QString& sampleId)
{
    return QStringLiteral(
               "select *,gu.geo_nev,addszemelynev(samplet.tnev_kod) AS tnev, addlabornev(samplet.tlabor_kod) AS tlabor,"
               " addszemelynev(samplet.sznev_kod) AS sznev, addlabornev(samplet.szlabor_kod) AS szlabor,short_d from samplet"
               " left join geo_un gu on gu.geo_id=samplet.geo_id  where sample_id=")
        + db::sqlKey(sampleId);
}

QString localityDetailsSql(const QString& localityId)
{
    return QStringLiteral(
               "select region,kont_name,loc_name,orszag_nev from localityt loc left join orszagt o on o.orszag_kod=loc.orszag_kod"
               " left join kontinentt k on k.kont_kod=loc.kont_kod  where locality_id=")
        + db::sqlKey(localityId);
}

QString artefactDetailsSql(const QString& artId)
{
    return QStringLiteral(
               "select labor_nev,orszag_nev,varos_nev from artefactt left join labort on labort.labor_kod=artefactt.labor_id"
               " left join orszagt on orszagt.orszag_kod=labort.orszag_kod left join varost on varost.varos_kod=labort.varos_kod"
               " where artefactt.art_id=")
        + db::sqlKey(artId);
}

}  // namespace samples
