#include "support/testdb.h"

#include "buildconfig.h"
#include "core/datam.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <atomic>
#include <unistd.h>

namespace testing_support {
namespace {

QString env(const char* name, const char* fallback = "")
{
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? QString::fromUtf8(fallback) : QString::fromUtf8(v);
}

QString schemaHash()
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    const QString dir = QStringLiteral(SAXORA_SOURCE_DIR "/schema");
    QStringList files;
    QDirIterator it(dir, {QStringLiteral("*.sql")}, QDir::Files);
    while (it.hasNext()) files << it.next();  // the top folder only: the demo collection is not in the template
    files.sort();
    for (const QString& f : files) {
        QFile file(f);
        if (file.open(QIODevice::ReadOnly)) {
            h.addData(f.toUtf8());
            h.addData(file.readAll());
        }
    }
    QFile loader(QStringLiteral(SAXORA_SOURCE_DIR "/scripts/schema-load"));
    if (loader.open(QIODevice::ReadOnly)) h.addData(loader.readAll());
    h.addData(SAXORA_DB_PASSWORD);
    return QString::fromLatin1(h.result().toHex().left(12));
}

void must(db::Connection& c, const QString& sql)
{
    c.exec(sql);
}

std::unique_ptr<db::Connection> superuser(const QString& database)
{
    auto c = std::make_unique<db::Connection>();
    const QString r = c->connect(superuserSettings(database));
    if (r != QLatin1String("Ok"))
        throw std::runtime_error("cannot reach the test server (is it started by scripts/test?): " + r.toStdString());
    return c;
}

}  // namespace

db::ConnectSettings superuserSettings(const QString& database)
{
    db::ConnectSettings s;
    s.host = env("PGHOST", "127.0.0.1");
    s.port = env("PGPORT", "5432").toInt();
    s.user = env("PGUSER", "postgres");
    s.password = env("PGPASSWORD");
    s.database = database;
    return s;
}

db::ConnectSettings programSettings(const QString& database)
{
    db::ConnectSettings s = superuserSettings(database);
    s.user = QStringLiteral(SAXORA_DB_USER);
    s.password = QStringLiteral(SAXORA_DB_PASSWORD);
    return s;
}

QString templateDatabase()
{
    static QString cached;
    if (!cached.isEmpty()) return cached;
    const QString name = QStringLiteral("saxora_tmpl_") + schemaHash();
    auto c = superuser(QStringLiteral("postgres"));
    must(*c, QStringLiteral("select pg_advisory_lock(727001)"));
    struct Unlock {
        db::Connection& c;
        ~Unlock() { try { c.exec(QStringLiteral("select pg_advisory_unlock(727001)")); } catch (...) {} }
    } unlock{*c};
    const db::Dataset have = c->open(QStringLiteral("select datname from pg_database where datname = :n"), {{"n", name}});
    if (have.isEmpty()) {
        // templates of earlier schema versions are of no further use
        const db::Dataset old = c->open(QStringLiteral("select datname from pg_database where datname like 'saxora_tmpl_%'"));
        for (int r = 0; r < old.rowCount(); ++r)
            c->exec(QStringLiteral("drop database if exists \"%1\" with (force)").arg(old.text(r, 0)));
        const QString building = name + QStringLiteral("_new");
        c->exec(QStringLiteral("drop database if exists \"%1\" with (force)").arg(building));
        c->exec(QStringLiteral("create database \"%1\" template template0 encoding 'UTF8'").arg(building));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(SAXORA_SOURCE_DIR "/scripts/schema-load"),
                {QStringLiteral("--prog-password"), QStringLiteral(SAXORA_DB_PASSWORD), building});
        p.waitForFinished(600000);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            throw std::runtime_error("schema-load failed: " + p.readAll().toStdString());
        c->exec(QStringLiteral("alter database \"%1\" rename to \"%2\"").arg(building, name));
    }
    cached = name;
    return cached;
}

TestDatabase::TestDatabase()
{
    static std::atomic<int> counter{0};
    const QString tmpl = templateDatabase();
    name_ = QStringLiteral("saxora_t%1_%2").arg(::getpid()).arg(++counter);
    auto c = superuser(QStringLiteral("postgres"));
    c->exec(QStringLiteral("select pg_advisory_lock(727001)"));
    c->exec(QStringLiteral("drop database if exists \"%1\" with (force)").arg(name_));
    try {
        c->exec(QStringLiteral("create database \"%1\" template \"%2\"").arg(name_, tmpl));
    } catch (...) {
        c->exec(QStringLiteral("select pg_advisory_unlock(727001)"));
        throw;
    }
    c->exec(QStringLiteral("select pg_advisory_unlock(727001)"));
}

TestDatabase::~TestDatabase()
{
    try {
        auto c = superuser(QStringLiteral("postgres"));
        c->exec(QStringLiteral("drop database if exists \"%1\" with (force)").arg(name_));
    } catch (...) {
    }
}

std::unique_ptr<db::Connection> TestDatabase::connectAdmin() const { return superuser(name_); }

void TestDatabase::writeIni(const QString& dir) const
{
    QFile f(QDir(dir).filePath(QStringLiteral("connection.ini")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write connection.ini");
    QTextStream out(&f);
    const db::ConnectSettings s = program();
    out << "[DataBase]\r\nhost=" << s.host << "\r\ndatabasename=" << s.database << "\r\nport=" << s.port << "\r\n";
}

void DbTest::SetUp()
{
    database = std::make_unique<TestDatabase>();
    admin_ = database->connectAdmin();
    dm = std::make_unique<core::Tdm>();
    const QString r = dm->conn().connect(database->program());
    ASSERT_EQ(r.toStdString(), "Ok");
    dm->connect_result = r;
    user = std::make_unique<ScriptedUser>();
}

void DbTest::TearDown()
{
    user.reset();
    dm.reset();
    admin_.reset();
    database.reset();
}

void DbTest::loginAs(const QString& userName)
{
    const db::Dataset u = admin_->open(QStringLiteral("select user_id, user_name from users where user_name = :n"), {{"n", userName}});
    ASSERT_FALSE(u.isEmpty()) << "no users row " << userName.toStdString();
    dm->current_user_id = u.row(0).toInt(QStringLiteral("user_id"));
    dm->current_user_name = u.text(0, QStringLiteral("user_name"));
    const db::Dataset j = admin_->open(QStringLiteral("select jogok(%1) as jog").arg(dm->current_user_id));
    dm->rights = j.text(0, QStringLiteral("jog"));
}

QString DbTest::scalar(const QString& sql)
{
    const db::Dataset d = admin_->open(sql);
    return d.isEmpty() || d.columnCount() == 0 ? QString() : d.text(0, 0);
}

}  // namespace testing_support
