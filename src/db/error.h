#pragma once
// A refused or failed statement, with what the server or the client library said.

#include <QString>
#include <stdexcept>

namespace db {

class DbError : public std::runtime_error {
public:
    DbError(QString message, QString sqlstate = {}, QString primary = {}, QString detail = {},
            bool connectionLost = false)
        : std::runtime_error(message.toStdString()),
          message_(std::move(message)), sqlstate_(std::move(sqlstate)),
          primary_(std::move(primary)), detail_(std::move(detail)),
          connectionLost_(connectionLost) {}

    // The full text as a user would read it: severity, primary text, DETAIL and HINT lines.
    const QString& message() const { return message_; }
    const QString& sqlstate() const { return sqlstate_; }  // five characters, empty if unknown
    const QString& primary() const { return primary_; }
    const QString& detail() const { return detail_; }
    bool connectionLost() const { return connectionLost_; }

private:
    QString message_, sqlstate_, primary_, detail_;
    bool connectionLost_;
};

}  // namespace db
