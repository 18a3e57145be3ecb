// The windows of the Options menu (password change, database backup) and what
// every window of the login and main window offers to screen readers.

#include "buildconfig.h"
#include "core/amentes.h"
#include "core/jelszomod.h"
#include "core/messages.h"
#include "core/uzenetm.h"
#include "fixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

struct PasswordForm {
    QString user;  // null: leave what the window put there
    QString old, new1, new2;
};

}  // namespace

class OptionsWindows : public CoreWindows {
protected:
    // Options > Change password, filled in and saved; whether the window closed
    bool changePassword(const PasswordForm& f)
    {
        bool closed = false;
        user->modal.on("Tjelszom", [&](QDialog* w) {
            auto* j = static_cast<core::Tjelszom*>(w);
            EXPECT_EQ(j->userField()->text(), dm->current_user_name);
            EXPECT_TRUE(j->oldField()->text().isEmpty());
            if (!f.user.isNull()) j->userField()->setText(f.user);
            j->oldField()->setText(f.old);
            j->newField()->setText(f.new1);
            j->repeatField()->setText(f.new2);
            j->saveButton()->click();
            closed = !j->isVisible();
        });
        main->action(main->optionsMenu(), "Change password")->trigger();
        return closed;
    }
    QString storedPassword(const QString& name)
    {
        return admin().open("select coalesce(password,'null') as p from users where user_name=:n", {{"n", name}}).text(0, "p");
    }
    QString md5(const QString& s) { return admin().open("select md5(:s) as m", {{"s", s}}).text(0, "m"); }
};

TEST_F(OptionsWindows, PasswordChangeOfTheLoggedInUserOnly)
{
    addUser("anna", "secret", "C");
    addUser("bob", "bobpw", "C");
    ASSERT_TRUE(logIn("anna", "secret"));
    struct Case {
        PasswordForm form;
        QString notice;  // "" none
        bool closes;
        QString annaAfter;  // the password anna then has
    };
    const std::vector<Case> cases = {
        {{QString(), "wrong", "n1", "n1"}, "Password Error", false, "secret"},
        {{QString(), "secret", "n1", "n2"}, msg::passwordsDiffer, false, "secret"},
        {{"bob", "bobpw", "n1", "n1"}, "", false, "secret"},  // another user's row: nothing happens
        {{"x' or '1'='1", "secret", "n1", "n1"}, "Password Error", false, "secret"},
        {{"anna ", "secret", "n1", "n1"}, "Password Error", false, "secret"},  // the name is taken as typed
        {{QString(), "secret", "n1", "n1"}, "", true, "n1"},
        {{QString(), "n1", "it's", "it's"}, "", true, "it's"},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        EXPECT_EQ(changePassword(c.form), c.closes) << c.form.user.toStdString() << "/" << c.form.old.toStdString();
        EXPECT_EQ(user->prompter.notices(), c.notice.isEmpty() ? QStringList() : QStringList{c.notice});
        EXPECT_EQ(storedPassword("anna"), md5(c.annaAfter));
        EXPECT_EQ(storedPassword("bob"), md5("bobpw"));
    }
    main->hide();
    EXPECT_TRUE(logIn("anna", "it's"));
}

TEST_F(OptionsWindows, AnAccountWithoutPasswordCannotSetOne)
{
    addUser("guest", QString(), "A");
    ASSERT_TRUE(logIn("guest", ""));
    EXPECT_FALSE(changePassword({QString(), "", "new", "new"}));
    EXPECT_EQ(user->prompter.notices(), QStringList{"Password Error"});
    EXPECT_EQ(storedPassword("guest"), "null");
}

class Backup : public CoreWindows {
protected:
    void SetUp() override
    {
        CoreWindows::SetUp();
        ASSERT_TRUE(dir.isValid());
        window = core::Forms::ensure<core::Tamentes>("Tamentes");
    }
    void TearDown() override
    {
        core::Tamentes::setFileChooser({});
        core::Tamentes::setDumpProgram({});
        CoreWindows::TearDown();
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing>");
    }
    void write(const QString& file, const QByteArray& text, bool executable = false)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        if (executable) f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
    QTemporaryDir dir;
    core::Tamentes* window = nullptr;
};

TEST_F(Backup, FileButtonTakesTheChosenNameWithTheSqlFilter)
{
    QString filterSeen;
    std::vector<QString> answers = {path("nightly"), path("full.sql"), QString()};
    size_t next = 0;
    core::Tamentes::setFileChooser([&](QWidget*, const QString&, const QString& filter) {
        filterSeen = filter;
        return answers[next++];
    });
    window->fileButton()->click();
    EXPECT_EQ(filterSeen, "SQL file (.sql)|*.sql");
    EXPECT_EQ(window->fileField()->text(), path("nightly.sql"));
    window->fileButton()->click();
    EXPECT_EQ(window->fileField()->text(), path("full.sql"));
    window->fileButton()->click();  // cancelled: the name stays
    EXPECT_EQ(window->fileField()->text(), path("full.sql"));
}

TEST_F(Backup, StartWritesAPlainSqlDumpOfTheDatabase)
{
    addUser("anna", "secret", "C", "Backup Probe");
    window->fileField()->setText(path("backup.sql"));
    EXPECT_TRUE(window->start());
    EXPECT_EQ(user->prompter.notices(), QStringList{"The database has been saved to " + path("backup.sql") + "."});
    const QString dump = read(path("backup.sql"));
    EXPECT_TRUE(dump.contains("PostgreSQL database dump")) << dump.left(300).toStdString();
    EXPECT_TRUE(dump.contains("CREATE TABLE public.uzenofal"));
    EXPECT_TRUE(dump.contains("Backup Probe"));
    EXPECT_FALSE(QFile::exists(path("backup.sql.part")));
}

TEST_F(Backup, PasswordTravelsInTheEnvironmentAndFailuresAreReported)
{
    // a stand-in for pg_dump that notes what it was given, then fails
    const QString seen = path("seen.txt");
    write(path("fake_dump"), ("#!/bin/sh\necho \"$@\" > '" + seen + "'\necho \"pw=$PGPASSWORD\" >> '" + seen
                              + "'\necho 'pg_dump: error: connection refused' >&2\nexit 1\n").toUtf8(), true);
    write(path("old.sql"), "the previous backup");
    core::Tamentes::setDumpProgram(path("fake_dump"));
    window->fileField()->setText(path("old.sql"));
    EXPECT_FALSE(window->start());
    EXPECT_EQ(user->prompter.notices(), QStringList{"The backup has failed:\rpg_dump: error: connection refused"});
    EXPECT_EQ(read(path("old.sql")), "the previous backup");  // a failed dump spoils no earlier backup
    EXPECT_FALSE(QFile::exists(path("old.sql.part")));
    const QString args = read(seen);
    const db::ConnectSettings& s = dm->conn().settings();
    EXPECT_TRUE(args.contains("--format=plain")) << args.toStdString();
    EXPECT_TRUE(args.contains("--dbname=" + s.database)) << args.toStdString();
    EXPECT_TRUE(args.contains("--username=" SAXORA_DB_USER)) << args.toStdString();
    EXPECT_TRUE(args.contains("--port=" + QString::number(s.port))) << args.toStdString();
    EXPECT_TRUE(args.contains("pw=" SAXORA_DB_PASSWORD "\n")) << args.toStdString();
    EXPECT_FALSE(args.section('\n', 0, 0).contains(SAXORA_DB_PASSWORD)) << args.toStdString();

    struct Case {
        QString program, file, notice;
    };
    const std::vector<Case> cases = {
        {path("no_such_pg_dump"), path("x.sql"), "The backup program " + path("no_such_pg_dump") + " cannot be started: "},
        {QString(), "  ", "Choose the file of the backup first!"},
    };
    for (const Case& c : cases) {
        user->prompter.clear();
        core::Tamentes::setDumpProgram(c.program);
        window->fileField()->setText(c.file);
        EXPECT_FALSE(window->start());
        ASSERT_EQ(user->prompter.notices().size(), 1);
        EXPECT_TRUE(user->prompter.notices()[0].startsWith(c.notice)) << user->prompter.notices()[0].toStdString();
    }
}

TEST_F(CoreWindows, EveryWindowNamesItsControlsForScreenReaders)
{
    std::vector<QWidget*> windows = {login, main, core::Forms::ensure<core::Tjelszom>("Tjelszom"),
                                     core::Forms::ensure<core::Tuzenetm>("Tuzenetm"),
                                     core::Forms::ensure<core::Tamentes>("Tamentes")};
    const QStringList captions = {"Login", "Saxora", "Change Password", "Message", "Database backup"};
    for (size_t i = 0; i < windows.size(); ++i) {
        QWidget* w = windows[i];
        const std::string name = w->objectName().toStdString();
        EXPECT_EQ(w->windowTitle(), captions[int(i)]) << name;
        EXPECT_EQ(w->accessibleName(), w->windowTitle()) << name;
        int buttons = 0, fields = 0;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty()) continue;
            EXPECT_EQ(b->accessibleName(), b->text()) << name << " " << b->text().toStdString();
            ++buttons;
        }
        for (QLabel* l : w->findChildren<QLabel*>()) {
            if (!l->buddy()) continue;
            EXPECT_EQ(l->buddy()->accessibleName(), l->text()) << name << " " << l->text().toStdString();
            ++fields;
        }
        EXPECT_GT(buttons, 1) << name;
        if (w != main && w != windows[3]) {
            EXPECT_GT(fields, 0) << name;
        }
    }
}

TEST(StartUpOrder, WindowsAreMadeBeforeTheDataModuleWithoutUsingIt)
{
    ASSERT_FALSE(core::hasDm());
    core::Tlogin login;
    core::Tf_main main;
    core::Tjelszom password;
    core::Tuzenetm message;
    core::Tamentes backup;
    EXPECT_EQ(main.objectName(), "Tf_main");
    EXPECT_FALSE(core::hasDm());
}
