// The start-up sequence as the user meets it: the real message window, the real
// login window and the message loop.

#include "core/datam.h"
#include "core/forms.h"
#include "core/loginform.h"
#include "core/messages.h"
#include "core/startup.h"
#include "core/uzenetmod.h"
#include "support/testdb.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Seen {
    QString caption, text, button;
    bool loginVisible = false;
};

// Runs the message loop with a login window in the given folder, confirms the
// first message window that appears and reports what it showed.
Seen startIn(const QString& folder)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder);
    auto* login = new core::Tlogin;
    Seen seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* tuzi = qobject_cast<core::Tuzi*>(w);
            if (tuzi && tuzi->isVisible()) {
                seen.caption = tuzi->windowTitle();
                seen.text = tuzi->text();
                seen.button = tuzi->leftButton()->text();
                seen.loginVisible = login->isVisible();
                tuzi->leftButton()->click();
                poll.stop();
                return;
            }
        }
    });
    poll.start();
    QTimer::singleShot(15000, [] { QCoreApplication::exit(99); });  // never hang the suite
    const int rc = core::runMessageLoop(*qApp, login);
    EXPECT_EQ(rc, 0) << "the loop ended because the login window closed, not by the time-out";
    EXPECT_FALSE(login->isVisible());
    delete login;
    QDir::setCurrent(before);
    return seen;
}

}  // namespace

TEST(StartUp, WithoutConnectionIniTheWarningIsShownAndTheProgramEnds)
{
    core::Tdm dm;
    QTemporaryDir dir;
    const Seen s = startIn(dir.path());
    EXPECT_EQ(s.caption, QStringLiteral("Warning"));
    EXPECT_EQ(s.text, msg::iniMissing);
    EXPECT_EQ(s.button, QStringLiteral("Ok"));
    EXPECT_EQ(dm.connect_result, msg::iniMissing);
}

TEST(StartUp, AnIniBesideTheExecutableDoesNotCountOnlyTheCurrentFolder)
{
    core::Tdm dm;
    QTemporaryDir exeDir, cwd;
    QFile f(QDir(exeDir.path()).filePath("connection.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[DataBase]\nhost=127.0.0.1\n");
    f.close();
    EXPECT_EQ(startIn(cwd.path()).text, msg::iniMissing);
}

TEST(StartUp, AnUnreachableServerShowsTheClientLibraryTextAndEnds)
{
    core::Tdm dm;
    QTemporaryDir dir;
    QFile f(QDir(dir.path()).filePath("connection.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[DATABASE]\r\nHost=127.0.0.1\r\nDataBaseName=saxora\r\nPORT=1\r\n");
    f.close();
    const Seen s = startIn(dir.path());
    EXPECT_EQ(s.caption, QStringLiteral("Warning"));
    EXPECT_TRUE(s.text.contains(QStringLiteral("Connection refused"))) << s.text.toStdString();
    EXPECT_TRUE(s.text.contains(QStringLiteral("port 1"))) << "the library's own text, unchanged";
}

TEST(StartUp, AReachableServerKeepsTheLoginWindowOpen)
{
    testing_support::TestDatabase database;
    core::Tdm dm;
    QTemporaryDir dir;
    database.writeIni(dir.path());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    core::Tlogin login;
    bool stillOpen = false;
    QTimer::singleShot(300, [&] {
        stillOpen = login.isVisible();
        login.close();
    });
    QTimer::singleShot(15000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(core::runMessageLoop(*qApp, &login), 0);
    QDir::setCurrent(before);
    EXPECT_EQ(dm.connect_result, QStringLiteral("Ok"));
    EXPECT_TRUE(stillOpen) << "the login window waits for the user";
}

TEST(StartUp, ARequestedRestartStartsTheExecutableOnceAfterTheLoop)
{
    core::Tdm dm;
    QTemporaryDir dir;
    const QString marker = QDir(dir.path()).filePath("started");
    const QString exe = QDir(dir.path()).filePath("fake-saxora");
    QFile script(exe);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho run >> '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    core::setRestartExecutable(exe);
    QTemporaryDir cwd;
    dm.restart_requested = true;
    startIn(cwd.path());
    core::setRestartExecutable({});
    for (int i = 0; i < 100 && !QFile::exists(marker); ++i) QThread::msleep(20);
    QFile m(marker);
    ASSERT_TRUE(m.open(QIODevice::ReadOnly)) << "the new executable was not started";
    EXPECT_EQ(m.readAll(), QByteArray("run\n")) << "exactly one new process";
}
