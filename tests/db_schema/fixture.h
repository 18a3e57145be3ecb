#pragma once
// Shared helpers of the schema tests: statements sent as the program sends them
// (through the data module's connection, logged in as saxora_prog) and the text
// the user would be shown when the server refuses one.

#include "core/datam.h"
#include "db/error.h"
#include "support/testdb.h"

#include <QString>

namespace schema_test {

class SchemaTest : public testing_support::DbTest {
protected:
    // "accepted", or what hibauzi makes of the refusal
    QString outcome(const QString& sql)
    {
        try {
            dm->conn().exec(sql);
        } catch (const db::DbError& e) {
            lastState = e.sqlstate();
            return core::Tdm::hibauzi(e);
        }
        return QStringLiteral("accepted");
    }
    // arranging through the superuser session; returns the first value of the last statement
    QString arrange(const QString& sql) { return scalar(sql); }
    int count(const QString& from) { return scalar(QStringLiteral("select count(*) from ") + from).toInt(); }

    QString lastState;
};

}  // namespace schema_test
