// The database layer against a real server.

#include "db/connection.h"
#include "db/query.h"
#include "support/testdb.h"

#include <QElapsedTimer>
#include <functional>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class Session : public ::testing::Test {
protected:
    void SetUp() override
    {
        database = std::make_unique<TestDatabase>();
        ASSERT_EQ(conn.connect(database->admin()).toStdString(), "Ok");
        conn.exec(QStringLiteral(
            // gen_id is the schema's own shared key sequence
            "create table item (id integer primary key default nextval('gen_id'), name text unique, n double precision, b bytea);"
            "create table ref (id serial primary key, item_id integer references item(id));"));
    }
    std::unique_ptr<TestDatabase> database;
    db::Connection conn;
};

}  // namespace

TEST_F(Session, TypedParametersRoundTripExactly)
{
    const QString typed = QStringLiteral("O'Brien \\ ; -- árvíztűrő ΔΣ 石");
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) bytes.append(char(i));
    const db::Dataset d = conn.open(
        QStringLiteral("select :t as t, :i as i, :r as r, :neg as neg, :nothing as nothing, :b as b, :yes as yes"),
        {{"t", typed}, {"i", 2147483647}, {"r", 0.1}, {"neg", -2.5}, {"nothing", db::Value::null()},
         {"b", db::Value::bytes(bytes)}, {"yes", true}});
    ASSERT_EQ(d.rowCount(), 1);
    EXPECT_EQ(d.text(0, "t"), typed);
    EXPECT_EQ(d.value(0, "i").toLongLong(), 2147483647);
    EXPECT_DOUBLE_EQ(d.value(0, "r").toDouble(), 0.1);
    EXPECT_DOUBLE_EQ(d.value(0, "neg").toDouble(), -2.5);
    EXPECT_TRUE(d.isNull(0, "nothing"));
    EXPECT_EQ(d.bytes(0, "b"), bytes);
    EXPECT_EQ(d.text(0, "yes"), QStringLiteral("True"));
}

TEST_F(Session, TypedTextNeverChangesTheStatement)
{
    conn.exec(QStringLiteral("insert into item (name) values (:n)"), {{"n", "keep"}});
    const QString hostile = QStringLiteral("x'); delete from item; --");
    conn.exec(QStringLiteral("insert into item (name) values (:n)"), {{"n", hostile}});
    EXPECT_EQ(conn.open(QStringLiteral("select count(*) from item")).text(0, 0), QStringLiteral("2"));
    EXPECT_EQ(conn.open(QStringLiteral("select name from item where name=:n"), {{"n", hostile}}).text(0, 0), hostile);
}

TEST_F(Session, BeginInsertThenCommitReadsTheNewKeyOnTheSameSession)
{
    conn.exec(QStringLiteral("begin; insert into item (name) values (:par) "), {{"par", "first"}});
    const db::Dataset k = conn.open(QStringLiteral("commit; select currval('gen_id') as be_id;"));
    ASSERT_EQ(k.rowCount(), 1);
    const int key = k.row(0).toInt("be_id");
    EXPECT_GT(key, 0);
    // committed: a second session sees the row under that key
    db::Connection other;
    ASSERT_EQ(other.connect(database->admin()).toStdString(), "Ok");
    EXPECT_EQ(other.open(QStringLiteral("select name from item where id=%1").arg(key)).text(0, 0), QStringLiteral("first"));
}

TEST_F(Session, FailuresCarrySqlStateAndTheFullMessage)
{
    conn.exec(QStringLiteral("insert into item (id, name) values (1, 'a')"));
    conn.exec(QStringLiteral("insert into ref (item_id) values (1)"));
    struct Case { QString sql; QString state; QString inMessage; };
    const std::vector<Case> cases = {
        {"insert into item (name) values ('a')", "23505", "duplicate key value violates unique constraint"},
        {"delete from item where id=1", "23503", "is still referenced from table"},
        {"insert into ref (item_id) values (99)", "23503", "is not present in table"},
        {"select from where", "42601", "syntax error"},
        {"select * from no_such_table", "42P01", "does not exist"},
    };
    for (const auto& c : cases) {
        try {
            conn.exec(c.sql);
            ADD_FAILURE() << "no failure for " << c.sql.toStdString();
        } catch (const db::DbError& e) {
            EXPECT_EQ(e.sqlstate(), c.state) << c.sql.toStdString();
            EXPECT_TRUE(e.message().contains(c.inMessage)) << e.message().toStdString();
            EXPECT_FALSE(e.connectionLost());
        }
    }
    try {
        conn.exec(QStringLiteral("insert into item (name) values ('a')"));
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.detail().contains(QStringLiteral("already exists"))) << "DETAIL is kept apart";
        EXPECT_TRUE(e.message().contains(QStringLiteral("DETAIL:"))) << "and in the full message";
    }
}

TEST_F(Session, AFailureInsideATransactionLeavesTheSessionUsable)
{
    conn.exec(QStringLiteral("insert into item (name) values ('taken')"));
    EXPECT_THROW(conn.exec(QStringLiteral("begin; insert into item (name) values ('new'); insert into item (name) values ('taken');")),
                 db::DbError);
    // no "current transaction is aborted": the next statement works and nothing of the failed text stayed
    EXPECT_EQ(conn.open(QStringLiteral("select count(*) from item")).text(0, 0), QStringLiteral("1"));
    EXPECT_THROW(conn.exec(QStringLiteral("begin;")); conn.exec(QStringLiteral("select 1/0")), db::DbError);
    EXPECT_NO_THROW(conn.exec(QStringLiteral("insert into item (name) values ('after')")));
    db::Connection other;
    ASSERT_EQ(other.connect(database->admin()).toStdString(), "Ok");
    EXPECT_EQ(other.open(QStringLiteral("select count(*) from item where name='after'")).text(0, 0), QStringLiteral("1"))
        << "the insert after the failure committed by itself";
    // a rollback the caller sends afterwards is harmless
    EXPECT_NO_THROW(conn.exec(QStringLiteral("rollback;")));
}

TEST_F(Session, ALostSessionIsReportedAndTheNextStatementReconnects)
{
    db::Connection killer;
    ASSERT_EQ(killer.connect(database->admin()).toStdString(), "Ok");
    const QString pid = conn.open(QStringLiteral("select pg_backend_pid()")).text(0, 0);
    killer.exec(QStringLiteral("select pg_terminate_backend(%1)").arg(pid));
    try {
        conn.open(QStringLiteral("select 1"));
        FAIL() << "the lost session was not reported";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.connectionLost());
        EXPECT_TRUE(e.sqlstate().startsWith(QStringLiteral("08")) || e.sqlstate() == QStringLiteral("57P01")) << e.sqlstate().toStdString();
    }
    EXPECT_EQ(conn.open(QStringLiteral("select 41+1")).text(0, 0), QStringLiteral("42"));
    EXPECT_NE(conn.open(QStringLiteral("select pg_backend_pid()")).text(0, 0), pid);
}

TEST(ServerRestart, StatementsWorkAgainOnceTheServerIsBack)
{
    // a private server of our own, so the shared test server is left alone
    QTemporaryDir dir;
    const QString script = QStringLiteral(SAXORA_SOURCE_DIR "/scripts/pg-sandbox");
    auto run = [&](const QStringList& args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(script, args);
        p.waitForFinished(300000);
        const QString out = QString::fromUtf8(p.readAll()).trimmed();
        if (p.exitCode() != 0) ADD_FAILURE() << "pg-sandbox " << args.join(' ').toStdString() << ": " << out.toStdString();
        return p.exitCode() == 0 ? out : QString();
    };
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ExeOther | QFile::ReadOther);
    const QString envFile = run({"start", dir.path()});
    ASSERT_FALSE(envFile.isEmpty());
    struct StopAtEnd {
        std::function<void()> stop;
        ~StopAtEnd() { stop(); }
    } stopAtEnd{[&] { run({"stop", dir.path()}); }};
    QFile f(envFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    db::ConnectSettings s;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("export PGPORT=")) s.port = line.mid(14).toInt();
        if (line.startsWith("export PGPASSWORD=")) s.password = QString::fromUtf8(line.mid(18));
    }
    s.host = QStringLiteral("127.0.0.1");
    s.user = QStringLiteral("postgres");
    s.database = QStringLiteral("postgres");
    s.connectTimeoutSeconds = 3;
    db::Connection c;
    ASSERT_EQ(c.connect(s).toStdString(), "Ok");
    const QString port = QString::number(s.port);
    run({"stop", dir.path()});
    EXPECT_THROW(c.open(QStringLiteral("select 1")), db::DbError);
    try {
        c.open(QStringLiteral("select 1"));
        ADD_FAILURE() << "a statement succeeded while the server was down";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.connectionLost());
    }
    ASSERT_FALSE(run({"start", dir.path(), port}).isEmpty());
    EXPECT_EQ(c.open(QStringLiteral("select 'back'")).text(0, 0), QStringLiteral("back"));
}

TEST_F(Session, TimersAndPaintingGoOnWhileAStatementRuns)
{
    int ticks = 0;
    QTimer timer;
    timer.setInterval(25);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    QElapsedTimer clock;
    clock.start();
    conn.exec(QStringLiteral("select pg_sleep(0.5)"));
    EXPECT_GE(clock.elapsed(), 450);
    EXPECT_GE(ticks, 10) << "the 25 ms timer must keep firing during the half-second statement";
}

TEST_F(Session, QueryKeepsItsSortAndFilterAcrossReopens)
{
    conn.exec(QStringLiteral("insert into item (name, n) values ('b', 2), ('a', 3), ('c', 1)"));
    db::Query q(&conn);
    q.setSql(QStringLiteral("select * from item order by name"));
    q.open();
    q.setSortField(QStringLiteral("n"));
    EXPECT_EQ(q.text(0, "name"), QStringLiteral("c"));
    conn.exec(QStringLiteral("insert into item (name, n) values ('d', 0)"));
    q.refresh();
    ASSERT_EQ(q.rowCount(), 4);
    EXPECT_EQ(q.text(0, "name"), QStringLiteral("d")) << "re-sorted by n after the server's order";
    q.applyFilter(QStringLiteral("n>=2"));
    q.refresh();
    EXPECT_EQ(q.rowCount(), 2);
    EXPECT_EQ(q.locate("name", "a"), 1);
    EXPECT_THROW(q.open(QStringLiteral("select * from nowhere")), db::DbError);
    EXPECT_EQ(q.rowCount(), 0) << "a failed open leaves no stale rows";
}

TEST_F(Session, ResultColumnTypesReadAsTheirValues)
{
    const db::Dataset d = conn.open(QStringLiteral(
        "select date '2024-03-05' as d, timestamp '2024-03-05 14:07:09.123' as ts, 7::smallint as s,"
        " 2.50::numeric(5,2) as num, null::integer as z, false as f"));
    EXPECT_EQ(d.text(0, "d"), QStringLiteral("2024.03.05"));
    EXPECT_EQ(d.text(0, "ts"), QStringLiteral("2024.03.05 14:07:09"));
    EXPECT_EQ(d.value(0, "d").toDate(), QDate(2024, 3, 5));
    EXPECT_EQ(d.value(0, "s").toInt(), 7);
    EXPECT_EQ(d.text(0, "num"), QStringLiteral("2.50"));
    EXPECT_TRUE(d.isNull(0, "z"));
    EXPECT_EQ(d.text(0, "z"), QString());
    EXPECT_EQ(d.text(0, "f"), QStringLiteral("False"));
}
