#include "samples/samplet2_sql.h"

#include "db/sqltext.h"

#include <cmath>

namespace samples {

QString sampleListSql(const QString& listOrder)
{
    return QStringLiteral(" select sample_id,sample_name,mj.mint_jelnev,short_d,letre_date,u.teljnev from samplet s "
                          " join mint_jel mj on mj.mint_kod=s.mint_jel  join users u on u.user_id=s.letre_user order by ")
        + listOrder;
}

QString sampleDeleteSql(const QString& sampleId)
{
    const QString id = db::sqlKey(sampleId);
    QString sql = QStringLiteral("begin;delete from met_elem where sample_id=") + id + QLatin1Char(';');
    for (const char* table : {"alk_met", "phisical_prop", "samp_miner_mac", "kepekt", "samp_miner", "samp_cl",
                              "samp_konz", "mint_lit", "esrt", "faqta", "samplet"})
        sql += QStringLiteral(" delete from %1 where sample_id=").arg(QLatin1String(table)) + id + QLatin1Char(';');
    return sql + QStringLiteral(" commit;");
}

QString sampleIdList(const db::Dataset& rows)
{
    QString out = QStringLiteral("0");
    const int col = rows.columnIndex(QStringLiteral("sample_id"));
    if (col < 0) return out;
    out.reserve(rows.rowCount() * 8 + 1);
    for (int r = 0; r < rows.rowCount(); ++r) out += QLatin1Char(',') + rows.text(r, col);
    return out;
}

std::array<int, 6> listWidths(int gridWidth)
{
    const int free = gridWidth < 750 ? 180 : int(std::lround((gridWidth - 410) / 2.0));
    return {50, free, 120, free, 110, 100};
}

}  // namespace samples
