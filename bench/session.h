#pragma once
// What the bench drivers share: the data module connected to a database and
// logged in as one of its users, as the program would be after its login.
// A header, so that it does not become a program of its own.

#include "core/datam.h"
#include "db/connection.h"

#include <QString>
#include <cstdio>

namespace bench {

// DBNAME on the server of PGHOST/PGPORT, with the program's own account
inline db::ConnectSettings programAccount(const QString& database)
{
    db::ConnectSettings s;
    s.host = qEnvironmentVariable("PGHOST", "127.0.0.1");
    s.port = qEnvironmentVariable("PGPORT", "5432").toInt();
    s.database = database;
    s.user = core::Tdm::accountName();
    s.password = core::Tdm::accountPassword();
    return s;
}

// true for a connect that answered "Ok"; otherwise the answer goes to stderr
inline bool connected(const QString& answer)
{
    if (answer == QLatin1String("Ok")) return true;
    std::fprintf(stderr, "%s\n", qPrintable(answer));
    return false;
}

// the data module acts as the user of that name: key, name and rights; false
// (with a line on stderr) when there is no such user
inline bool actAs(core::Tdm& dm, const QString& userName)
{
    const db::Dataset u = dm.conn().open(
        QStringLiteral("select user_id, user_name, jogok(user_id) as jog from users where user_name=:n"),
        {{QStringLiteral("n"), userName}});
    if (u.isEmpty()) {
        std::fprintf(stderr, "no user %s\n", qPrintable(userName));
        return false;
    }
    dm.current_user_id = u.row(0).toInt(QStringLiteral("user_id"));
    dm.current_user_name = u.text(0, QStringLiteral("user_name"));
    dm.rights = u.text(0, QStringLiteral("jog"));
    return true;
}

}  // namespace bench
