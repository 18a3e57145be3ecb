#pragma once
// Keys appended to statement texts. A key is appended only when it is a plain
// integer; anything else would change the statement, so it is refused before
// anything is sent, like a statement the server refused.

#include "db/error.h"
#include "db/sqltext.h"

#include <QString>

namespace samples {

// the trimmed key, or DbError when it is not a plain integer
inline QString sqlKey(const QString& id)
{
    const QString t = id.trimmed();
    if (!db::isPlainInteger(t))
        throw db::DbError(QStringLiteral("invalid key: \"%1\"").arg(t), QStringLiteral("22P02"));
    return t;
}

}  // namespace samples
