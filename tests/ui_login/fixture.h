#pragma once
// A fresh database with the login and main windows created as at start-up, a
// local IP-echo page, and helpers to arrange users and read the audit rows.

#include "core/fmain.h"
#include "core/forms.h"
#include "core/loginform.h"
#include "core/datam.h"
#include "core/workstation.h"
#include "echoserver.h"
#include "support/qtprint.h"
#include "support/testdb.h"

#include <QLineEdit>
#include <map>
#include <memory>

class CoreWindows : public testing_support::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        echo = std::make_unique<EchoServer>("200 OK", echoPage);
        workstation::setIpEchoUrl(echo->url());
        login = new core::Tlogin;
        core::Forms::add(login);
        main = new core::Tf_main;
        core::Forms::add(main);
        QObject::connect(login, &core::Tlogin::programEnding, [this] { ++ended; });
    }

    void TearDown() override
    {
        delete main;
        delete login;
        workstation::setIpEchoUrl({});
        echo.reset();
        DbTest::TearDown();
    }

    // a users row (an existing one of that name is overwritten); a null QString
    // password is an account without password
    int addUser(const QString& name, const QString& password, const QString& rights,
                const QString& fullName = QStringLiteral("Test User"))
    {
        const db::Dataset d = admin().open(
            QStringLiteral("insert into users (user_name,password,teljnev,jog) values (:n, md5(:p), :t, :j)"
                           " on conflict (user_name) do update set password=excluded.password,"
                           " teljnev=excluded.teljnev, jog=excluded.jog returning user_id"),
            {{"n", name}, {"p", password.isNull() ? db::Value() : db::Value(password)}, {"t", fullName}, {"j", rights}});
        return d.row(0).toInt(QStringLiteral("user_id"));
    }

    bool logIn(const QString& typed, const QString& password)
    {
        login->userField()->setText(typed);
        login->passwordField()->setText(password);
        return login->belep();
    }

    // the newest audit row, column by column ("" for null)
    std::map<QString, QString> lastAudit()
    {
        const db::Dataset d = admin().open(QStringLiteral(
            "select be_id, username, user_id, sikeres, ip_cim, mac, win_ver, win_nyelv, belep is not null as has_belep,"
            " kilep is not null as has_kilep,"
            " (ip_cim is null and mac is null and win_ver is null and win_nyelv is null) as no_facts"
            " from belepesek order by be_id desc limit 1"));
        std::map<QString, QString> out;
        if (d.isEmpty()) return out;
        for (int c = 0; c < d.columnCount(); ++c) out[d.columnName(c)] = d.text(0, c);
        return out;
    }

    int auditRows() { return scalar(QStringLiteral("select count(*) from belepesek")).toInt(); }

    std::unique_ptr<EchoServer> echo;
    core::Tlogin* login = nullptr;
    core::Tf_main* main = nullptr;
    int ended = 0;
};
