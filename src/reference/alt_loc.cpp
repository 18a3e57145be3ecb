#include "reference/alt_loc.h"

#include "core/messages.h"
#include "db/sqltext.h"

namespace reference {

QString altNameInsertSql(const QString& name, const QString& localityId)
{
    return QStringLiteral("insert into loc_nev (loc_name,locality_id) values (") + db::quote(name.trimmed()) +
           QLatin1Char(',') + db::sqlKey(localityId) + QLatin1Char(')');
}

Talt_loc::Talt_loc(QWidget* parent)
    : AltNameDialog({QStringLiteral("Talt_loc"), QStringLiteral("Alternative locality name"), QStringLiteral("Loc.Name:"),
                     msg::localityNameMissing, altNameInsertSql},
                    parent)
{
}

}  // namespace reference
