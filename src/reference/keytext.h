#pragma once
// Keys as they are appended to statements: the trimmed digits of a whole number,
// or the keyword null for none. Anything else is refused before a statement is
// built, so no other text can reach the statement.

#include "db/error.h"
#include "db/sqltext.h"

#include <QString>

namespace reference {

// the digits of the key; throws DbError for anything that is not a whole number
inline QString keyText(const QString& id)
{
    const QString t = id.trimmed();
    if (!db::isPlainInteger(t)) throw db::DbError(QStringLiteral("'%1' is not a valid integer value").arg(id));
    return t;
}

// null for an empty key, otherwise its digits
inline QString keyOrNull(const QString& id)
{
    return id.trimmed().isEmpty() ? QStringLiteral("null") : keyText(id);
}

}  // namespace reference
