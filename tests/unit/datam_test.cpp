#include "core/datam.h"
#include "core/inifile.h"
#include "core/messages.h"
#include "support/scripted.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using core::Tdm;

TEST(Hibauzi, MapsOldAndCurrentServerTextsInOrder)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"ERROR:  duplicate key violates unique constraint \"orszagt_nev\"", msg::recordExists},
        {"ERROR:  duplicate key value violates unique constraint \"orszagt_orszag_nev_key\"\nDETAIL:  Key (orszag_nev)=(X) already exists.", msg::recordExists},
        {"could not connect to server: Connection refused", msg::connectionBroken},
        {"connection to server at \"127.0.0.1\", port 1 failed: Connection refused", msg::connectionBroken},
        {"server closed the connection unexpectedly\n\tThis probably means the server terminated abnormally", msg::connectionBroken},
        {"no connection to the server", msg::connectionBroken},
        {"ERROR:  update or delete on table \"orszagt\" violates foreign key constraint \"f\" on table \"szemelyt\"\nDETAIL:  Key (orszag_kod)=(3) is still referenced from table \"szemelyt\".", msg::recordLinked},
        // the first test that matches decides
        {"duplicate key violates unique constraint; could not connect to server", msg::recordExists},
        {"could not connect to server; is still referenced from table", msg::connectionBroken},
        {"ERROR:  syntax error at or near \"'\"", "ERROR:  syntax error at or near \"'\""},
        {"", ""},
        // the searches are case-sensitive
        {"DUPLICATE KEY VIOLATES UNIQUE CONSTRAINT", "DUPLICATE KEY VIOLATES UNIQUE CONSTRAINT"},
    };
    for (const auto& [text, want] : cases) EXPECT_EQ(Tdm::hibauzi(text), want) << text.toStdString();
}

TEST(Hibauzi, RecognisesSqlStatesOfCurrentServers)
{
    struct Case { db::DbError e; QString want; };
    const std::vector<Case> cases = {
        {db::DbError("ERROR:  doppelter Schlüsselwert verletzt Unique-Constraint", "23505"), msg::recordExists},
        {db::DbError("FATAL:  Verbindung verloren", "08006"), msg::connectionBroken},
        {db::DbError("terminating connection", "57P01", {}, {}, true), msg::connectionBroken},
        {db::DbError("ERROR:  Aktualisieren oder Löschen", "23503", "update or delete on table \"x\" violates foreign key constraint"), msg::recordLinked},
        // a missing referenced key on insert is no deletion refusal
        {db::DbError("ERROR:  insert or update on table \"x\" violates foreign key constraint \"f\"", "23503",
                     "insert or update on table \"x\" violates foreign key constraint \"f\""),
         "ERROR:  insert or update on table \"x\" violates foreign key constraint \"f\""},
        {db::DbError("ERROR:  division by zero", "22012"), "ERROR:  division by zero"},
    };
    for (const auto& c : cases) EXPECT_EQ(Tdm::hibauzi(c.e), c.want) << c.e.message().toStdString();
}

class Rights : public ::testing::Test {
protected:
    void SetUp() override { user = std::make_unique<testing_support::ScriptedUser>(); }
    Tdm dm;
    std::unique_ptr<testing_support::ScriptedUser> user;
};

TEST_F(Rights, JogellGrantsOnAnyLetterIgnoringCase)
{
    struct Case { QString rights, letters; bool granted; };
    const std::vector<Case> cases = {
        {"a", "ABCD", true}, {"D", "CD", true}, {"C", "CD", true}, {"AB", "CD", false},
        {"", "ABCD", false}, {"bcd", "A", false}, {"ABCD", "", false},
    };
    for (const auto& c : cases) {
        dm.rights = c.rights;
        user->prompter.clear();
        EXPECT_EQ(dm.jogell(c.letters, QLatin1Char('I')), c.granted) << c.rights.toStdString() << "/" << c.letters.toStdString();
        EXPECT_EQ(user->prompter.notices(), c.granted ? QStringList{} : QStringList{msg::noRight});
        user->prompter.clear();
        EXPECT_EQ(dm.jogell(c.letters, QLatin1Char('N')), c.granted);
        EXPECT_TRUE(user->prompter.notices().isEmpty()) << "mode N is silent";
    }
}

TEST_F(Rights, JogellnevLetsCChangeOnlyOwnRecordsAndDEverything)
{
    struct Case { QString rights, user, owner, letters; bool granted; };
    const std::vector<Case> cases = {
        {"C", "Anna", "Anna", "CD", true},
        {"C", "Anna", "anna", "CD", false},  // the name comparison counts letter case
        {"c", "Anna", "Anna", "CD", true},
        {"D", "Anna", "", "CD", true},
        {"D", "Anna", "Bela", "CD", true},
        {"ABCD", "Anna", "Anna", "AB", false},  // A and B never grant here
        {"AB", "Anna", "Anna", "CD", false},
        {"", "Anna", "Anna", "CD", false},
    };
    for (const auto& c : cases) {
        dm.rights = c.rights;
        dm.current_user_name = c.user;
        user->prompter.clear();
        EXPECT_EQ(dm.jogellnev(c.letters, c.owner, QLatin1Char('I')), c.granted)
            << c.rights.toStdString() << " " << c.user.toStdString() << " on " << c.owner.toStdString();
        EXPECT_EQ(user->prompter.notices(), c.granted ? QStringList{} : QStringList{msg::noRight});
        user->prompter.clear();
        dm.jogellnev(c.letters, c.owner, QLatin1Char('N'));
        EXPECT_TRUE(user->prompter.notices().isEmpty());
    }
}

TEST(Csakszam, LetsThroughDigitsOneFullStopOneMinusAndBackspace)
{
    struct Case { QString text; QChar key; bool passes; };
    const std::vector<Case> cases = {
        {"12", '5', true}, {"", '0', true}, {"12", QChar(8), true},
        {"12", '.', true}, {"12.5", '.', false},
        {"12", '-', true}, {"-12", '-', false}, {"12-", '-', false},
        {"12", ',', false}, {"12", 'a', false}, {"12", ' ', false}, {"12", '+', false}, {"1", 'e', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tdm::csakszam(c.text, c.key), c.passes ? c.key : QChar(0))
            << c.text.toStdString() << " + " << QString(c.key).toStdString();
}

TEST(ConnectionIni, ReadsSectionAndKeysWithoutRegardToCase)
{
    struct Case { const char* text; QString host, db; int port; };
    const std::vector<Case> cases = {
        {"[DataBase]\r\nhost=db.example.org\r\ndatabasename=Saxora\r\nport=5433\r\n", "db.example.org", "Saxora", 5433},
        {"[database]\nHOST=h\nDataBaseName=MixedCase\nPort=15\n", "h", "MixedCase", 15},
        {"[DataBase]\nhost=h\ndatabasename=d\n", "h", "d", 0},                 // no port: library default
        {"[DataBase]\nhost=h\ndatabasename=d\nport=fifty\n", "h", "d", 0},     // not a number reads as 0
        {"[Other]\nhost=x\n[DataBase]\nhost = spaced \ndatabasename=d\n", "spaced", "d", 0},
        {"; comment\n[DataBase]\n", "", "", 0},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath("connection.ini");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(c.text);
        f.close();
        db::ConnectSettings s;
        ASSERT_TRUE(Tdm::readConnectionIni(path, s));
        EXPECT_EQ(s.host, c.host) << c.text;
        EXPECT_EQ(s.database, c.db) << c.text;
        EXPECT_EQ(s.port, c.port) << c.text;
        EXPECT_EQ(s.user, Tdm::accountName()) << "the account is fixed, whatever the file says";
    }
}

TEST(ConnectionIni, MissingFileInTheCurrentDirectoryIsReported)
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Tdm dm;
    EXPECT_EQ(dm.kapcskiep(), msg::iniMissing);
    EXPECT_FALSE(dm.conn().isOpen());
    QDir::setCurrent(before);
}

TEST(ConnectionIni, UnreachableServerGivesTheClientLibraryText)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("connection.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[DataBase]\nhost=127.0.0.1\ndatabasename=nowhere\nport=1\n");
    f.close();
    Tdm dm;
    const QString r = dm.kapcskiep(dir.filePath("connection.ini"));
    EXPECT_NE(r, QStringLiteral("Ok"));
    EXPECT_TRUE(r.contains(QStringLiteral("Connection refused"))) << r.toStdString();
    EXPECT_EQ(Tdm::hibauzi(r), msg::connectionBroken);
}
