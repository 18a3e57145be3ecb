#pragma once
// Real-database fixtures. The test command starts a throwaway server and exports
// PGHOST, PGPORT, PGUSER (a superuser) and PGPASSWORD. A template database is built
// once from schema/ (schema and reference data, no demo collection) and built
// again whenever the schema files change; every test gets a fresh copy of it.

#include "db/connection.h"
#include "support/scripted.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

namespace core { class Tdm; }

namespace testing_support {

db::ConnectSettings superuserSettings(const QString& database = QStringLiteral("postgres"));
db::ConnectSettings programSettings(const QString& database);

// Name of the up-to-date template database (built on first use).
QString templateDatabase();

class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const QString& name() const { return name_; }
    db::ConnectSettings program() const { return programSettings(name_); }
    db::ConnectSettings admin() const { return superuserSettings(name_); }
    // a superuser session on this database, to arrange data and read back what
    // the program wrote
    std::unique_ptr<db::Connection> connectAdmin() const;
    // writes connection.ini for this database into dir
    void writeIni(const QString& dir) const;

private:
    QString name_;
};

// A fresh database, a data module connected to it with the program's account,
// and a scripted user (prompter and modal runner).
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // the second session (superuser) for arranging and checking
    db::Connection& admin() { return *admin_; }
    // logs the data module in as this users row (id, name, rights from jogok)
    void loginAs(const QString& userName);
    // a single value read through the second session ("" for null / no row)
    QString scalar(const QString& sql);

    std::unique_ptr<TestDatabase> database;
    std::unique_ptr<core::Tdm> dm;
    std::unique_ptr<ScriptedUser> user;

private:
    std::unique_ptr<db::Connection> admin_;
};

}  // namespace testing_support
