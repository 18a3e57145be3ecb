// The login against a real server: both paths, the audit rows, the rights, the
// update check, logout and login again on the same session.

#include "core/messages.h"
#include "core/openers.h"
#include "fixture.h"

#include <QLabel>


TEST_F(CoreWindows, LoginAttemptsAndTheirAuditRows)
{
    const int anna = addUser("anna", "secret", "CD", "Kiss Anna");
    const int guest = addUser("guest", QString(), "A", "Guest Reader");
    struct Case {
        QString typed, password;
        int userId;  // 0: refused
    };
    const std::vector<Case> cases = {
        {"anna", "secret", anna},
        {"  anna  ", "secret", anna},  // the query trims, the audit row keeps the blanks
        {"anna", "wrong", 0},
        {"Anna", "secret", 0},         // names compare exactly
        {"anna", "", 0},               // an account with a password needs it
        {"x' or '1'='1", "secret", 0},
        {"x' or '1'='1", "", 0},
        {"anna' --", "secret", 0},
        {"guest", "", guest},          // no password: only with an empty field
        {" guest", "", guest},
        {"guest", "guest", 0},
        {"nobody", "x", 0},
    };
    int rows = auditRows();
    for (const Case& c : cases) {
        const std::string what = (c.typed + " / " + c.password).toStdString();
        user->prompter.clear();
        main->hide();
        const bool in = logIn(c.typed, c.password);
        EXPECT_EQ(in, c.userId != 0) << what;
        EXPECT_EQ(user->prompter.notices(), c.userId ? QStringList() : QStringList{msg::wrongLogin}) << what;
        EXPECT_EQ(auditRows(), ++rows) << what;
        auto a = lastAudit();
        EXPECT_EQ(a["be_id"].toInt(), dm->login_id) << what;
        EXPECT_EQ(a["username"], c.typed) << what;
        EXPECT_EQ(a["sikeres"], c.userId ? "True" : "False") << what;
        EXPECT_EQ(a["user_id"], c.userId ? QString::number(c.userId) : QString()) << what;
        EXPECT_EQ(a["has_belep"], "True") << what;
        EXPECT_EQ(a["has_kilep"], "False") << what;
        if (c.password.isEmpty()) {
            EXPECT_EQ(a["no_facts"], "True") << what;
        } else {
            EXPECT_EQ(a["ip_cim"], "198.51.100.23") << what;
            EXPECT_EQ(a["mac"], workstation::adapterAddress()) << what;
            EXPECT_EQ(a["win_ver"], workstation::osText()) << what;
            EXPECT_TRUE(a["win_ver"].contains(" (version ")) << what;
            EXPECT_EQ(a["win_nyelv"].toInt(), workstation::displayLanguage()) << what;
        }
        EXPECT_EQ(main->isVisible(), in) << what;
        if (in) {
            EXPECT_EQ(dm->current_user_id, c.userId) << what;
            EXPECT_EQ(dm->current_user_name, c.userId == anna ? "anna" : "guest") << what;
            EXPECT_EQ(dm->rights, c.userId == anna ? "CD" : "A") << what;
            EXPECT_EQ(main->userLabel()->text(), c.userId == anna ? "user: Kiss Anna" : "user: Guest Reader") << what;
            EXPECT_FALSE(login->isVisible()) << what;
        }
    }
    EXPECT_EQ(ended, 0);

    // no IP-echo page: "Local", and the login goes on
    echo.reset();
    main->hide();
    EXPECT_TRUE(logIn("anna", "secret"));
    EXPECT_EQ(lastAudit()["ip_cim"], "Local");
}

TEST_F(CoreWindows, EmptyRightsEndTheProgramThoughTheAuditSaysTrue)
{
    const int id = addUser("blocked", "pw", "");
    EXPECT_FALSE(logIn("blocked", "pw"));
    EXPECT_EQ(user->prompter.notices(), QStringList{msg::noRight});
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(main->isVisible());
    auto a = lastAudit();
    EXPECT_EQ(a["sikeres"], "True");
    EXPECT_EQ(a["user_id"], QString::number(id));
}

TEST_F(CoreWindows, UpdateCheckByAudienceAndVersionText)
{
    addUser("anna", "secret", "C");
    addUser("a_b", "secret", "C");
    struct Case {
        const char* who;
        const char* userek;  // nullptr: nothing published
        const char* version;
        bool offered;
    };
    const std::vector<Case> cases = {
        {"anna", nullptr, nullptr, false},
        {"anna", ";All;", "1.7.1.3", true},
        {"anna", ";all;", "1.7.1.3", false},      // ";All;" exactly
        {"anna", ";anna;", "1.7.2", true},
        {"anna", ";bob;anna;", "1.8", true},
        {"anna", ";annabel;", "1.7.1.3", false},  // a name that merely begins with it
        {"anna", ";Anna;", "1.7.1.3", false},
        {"anna", ";All;", "1.7.1.2", false},      // the same version
        {"anna", ";All;", "1.7.1.10", false},     // older as text
        {"anna", ";All;", "1.7.1.1", false},
        {"a_b", ";aXb;", "1.7.1.3", false},       // a wildcard in the name matches only itself
        {"a_b", ";a_b;", "1.7.1.3", true},
    };
    for (const Case& c : cases) {
        admin().exec("delete from program");
        if (c.userek)
            admin().exec("insert into program (verzioszam,datum,userek,descr) values (:v, now(), :u, 'x')",
                         {{"v", c.version}, {"u", c.userek}});
        dm->update_available = !c.offered;
        main->hide();
        ASSERT_TRUE(logIn(c.who, "secret"));
        EXPECT_EQ(dm->update_available, c.offered) << c.who << " " << (c.userek ? c.userek : "-") << " " << (c.version ? c.version : "");
    }
    EXPECT_TRUE(user->prompter.notices().isEmpty());
}

TEST_F(CoreWindows, FailedAuditInsertIsShownAndStampsNoEarlierRow)
{
    const int anna = addUser("anna", "secret", "CD");
    addUser("guest", QString(), "A");
    ASSERT_TRUE(logIn("anna", "secret"));
    const int first = dm->login_id;
    main->close();  // the earlier login has ended
    const QString firstRow = scalar(QStringLiteral("select concat_ws('|', sikeres, user_id, kilep) from belepesek where be_id=%1").arg(first));
    admin().exec("create function refuse_audit() returns trigger language plpgsql as $$ begin raise exception 'audit refused'; end $$");
    admin().exec("create trigger refuse_audit before insert on belepesek for each row execute function refuse_audit()");

    for (const auto& [name, password] : std::vector<std::pair<QString, QString>>{{"anna", "secret"}, {"guest", ""}}) {
        user->prompter.clear();
        main->hide();
        ended = 0;
        // the user was found before the insert failed, so the login goes on
        EXPECT_TRUE(logIn(name, password)) << name.toStdString();
        ASSERT_EQ(user->prompter.notices().size(), 1);
        EXPECT_TRUE(user->prompter.notices()[0].contains("audit refused"));
        EXPECT_EQ(dm->login_id, 0);
        EXPECT_EQ(dm->current_user_name, name);
        EXPECT_FALSE(dm->rights.isEmpty());  // the session was usable afterwards
        EXPECT_EQ(scalar("select count(*) from belepesek"), "1");
        EXPECT_EQ(scalar(QStringLiteral("select concat_ws('|', sikeres, user_id, kilep) from belepesek where be_id=%1").arg(first)), firstRow);
        EXPECT_EQ(dm->conn().open("select 1 as one").text(0, "one"), "1");
    }
    (void)anna;
}

TEST_F(CoreWindows, LogoutAndLoginAgainOnTheSameSession)
{
    addUser("anna", "secret", "CD");
    const QString backend = dm->conn().open("select pg_backend_pid() as p").text(0, "p");
    ASSERT_TRUE(logIn("anna", "secret"));
    const int first = dm->login_id;

    main->logout();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(login->userField()->text(), "anna");  // the fields stay as typed
    EXPECT_EQ(login->passwordField()->text(), "secret");
    EXPECT_EQ(scalar(QStringLiteral("select kilep is not null from belepesek where be_id=%1").arg(first)), "True");

    ASSERT_TRUE(logIn("anna", "secret"));
    const int second = dm->login_id;
    EXPECT_NE(second, first);
    EXPECT_EQ(auditRows(), 2);
    EXPECT_EQ(dm->conn().open("select pg_backend_pid() as p").text(0, "p"), backend);  // no reconnect
    EXPECT_EQ(scalar(QStringLiteral("select kilep is null from belepesek where be_id=%1").arg(second)), "True");

    // after a logout, a later close that Logout did not start ends the program
    main->close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(scalar(QStringLiteral("select kilep is not null from belepesek where be_id=%1").arg(second)), "True");
    EXPECT_TRUE(user->prompter.notices().isEmpty());
}

TEST_F(CoreWindows, ExitAndTitleBarCloseRecordTheLogoutAndEnd)
{
    addUser("anna", "secret", "CD");
    for (const char* how : {"Exit", "close"}) {
        ended = 0;
        login->show();  // each run of the program starts at the login window
        ASSERT_TRUE(logIn("anna", "secret"));
        if (QString(how) == "Exit")
            main->action(main->exitMenu(), "Exit")->trigger();
        else
            main->close();
        EXPECT_EQ(ended, 1) << how;
        EXPECT_FALSE(main->isVisible()) << how;
        EXPECT_FALSE(login->isVisible()) << how;
        EXPECT_EQ(lastAudit()["has_kilep"], "True") << how;
    }
}

TEST_F(CoreWindows, EnterInThePasswordFieldLogsIn)
{
    addUser("anna", "secret", "CD");
    login->show();
    login->userField()->setText("anna");
    login->passwordField()->setText("secret");
    QMetaObject::invokeMethod(login->passwordField(), "returnPressed");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(dm->current_user_name, "anna");
    EXPECT_TRUE(login->windowFlags() & Qt::WindowStaysOnTopHint);
}
