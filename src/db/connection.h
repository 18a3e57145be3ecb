#pragma once
// The program's one database session, through libpq.
//
// Statements are sent asynchronously and waited for in a loop that keeps the
// user-interface thread painting and running timers (not user input), so wait
// indicators move and windows repaint while a statement runs; callers still see a
// synchronous call. A text may hold several statements ("begin; insert ...",
// "commit; select currval('gen_id') as x;"): they run in order on this session and
// the last statement that returns rows gives the dataset.
//
// A statement that fails inside an explicit transaction is followed by a rollback,
// so the session never stays in the aborted state. A lost server is reported; the
// next statement reconnects.

#include "db/dataset.h"
#include "db/error.h"
#include "db/value.h"

#include <QString>
#include <functional>

typedef struct pg_conn PGconn;

namespace db {

struct ConnectSettings {
    QString host;
    QString database;
    int port = 0;  // 0: the client library's default
    QString user;
    QString password;
    int connectTimeoutSeconds = 10;
};

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // "Ok", or the client library's text when the session cannot be opened
    // (the connection then stays closed).
    QString connect(const ConnectSettings& settings);
    void close();
    bool isOpen() const;
    const ConnectSettings& settings() const { return settings_; }

    // Runs the text; throws DbError on failure.
    void exec(const QString& sql, const Params& params = {});
    // Runs the text and returns the rows of its last statement that returned rows.
    Dataset open(const QString& sql, const Params& params = {});

    // Every text sent, after parameter binding (for tests and benchmarks).
    void setTrace(std::function<void(const QString&)> trace) { trace_ = std::move(trace); }
    // Number of texts sent since the session was created.
    long long statementsSent() const { return sent_; }
    // The last notice or warning the server sent (e.g. "there is no transaction in progress").
    QString lastNotice() const { return lastNotice_; }

    PGconn* handle() const { return conn_; }
    // true while a statement runs (the event loop is then only serving paints and timers)
    bool busy() const { return busy_; }

private:
    Dataset run(const QString& sql, const Params& params, bool wantRows);
    void ensureOpen();
    void waitForResults();
    static void onNotice(void* self, const char* message);

    PGconn* conn_ = nullptr;
    ConnectSettings settings_;
    std::function<void(const QString&)> trace_;
    long long sent_ = 0;
    bool busy_ = false;
    QString lastNotice_;
};

}  // namespace db
