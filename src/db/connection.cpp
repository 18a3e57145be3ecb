#include "db/connection.h"

#include "db/sqltext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <libpq-fe.h>
#include <poll.h>

#include <memory>

namespace db {
namespace {

ColumnType typeOf(Oid oid)
{
    switch (oid) {
    case 16: return ColumnType::Boolean;
    case 17: return ColumnType::Bytes;
    case 20: case 21: case 23: case 26: return ColumnType::Integer;
    case 700: case 701: return ColumnType::Real;
    case 1700: return ColumnType::Numeric;
    case 1082: return ColumnType::Date;
    case 1114: case 1184: return ColumnType::Timestamp;
    case 18: case 19: case 25: case 1042: case 1043: return ColumnType::Text;
    default: return ColumnType::Other;
    }
}

// Rows of a server result, read in place.
class PgStore : public RowStore {
public:
    explicit PgStore(PGresult* r) : res_(r)
    {
        rows_ = PQntuples(r);
        cols_ = PQnfields(r);
        for (int c = 0; c < cols_; ++c) {
            names_ << QString::fromUtf8(PQfname(r, c));
            types_.push_back(typeOf(PQftype(r, c)));
        }
    }
    ~PgStore() override { PQclear(res_); }
    int rows() const override { return rows_; }
    int columns() const override { return cols_; }
    QString columnName(int c) const override { return names_[c]; }
    ColumnType columnType(int c) const override { return types_[size_t(c)]; }
    bool isNull(int r, int c) const override { return PQgetisnull(res_, r, c); }
    QByteArray raw(int r, int c) const override { return QByteArray(PQgetvalue(res_, r, c), PQgetlength(res_, r, c)); }
    const char* rawData(int r, int c, int* len) const override
    {
        *len = PQgetlength(res_, r, c);
        return PQgetvalue(res_, r, c);
    }

private:
    PGresult* res_;
    int rows_ = 0, cols_ = 0;
    QStringList names_;
    std::vector<ColumnType> types_;
};

QString trimmedMessage(const char* m)
{
    return QString::fromUtf8(m).trimmed();
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() { close(); }

void Connection::onNotice(void* self, const char* message)
{
    static_cast<Connection*>(self)->lastNotice_ = trimmedMessage(message);
}

QString Connection::connect(const ConnectSettings& s)
{
    close();
    settings_ = s;
    const QByteArray host = s.host.toUtf8(), dbname = s.database.toUtf8(), user = s.user.toUtf8(),
                     password = s.password.toUtf8(), port = QByteArray::number(s.port),
                     timeout = QByteArray::number(s.connectTimeoutSeconds);
    std::vector<const char*> keys, values;
    auto add = [&](const char* k, const QByteArray& v) { keys.push_back(k); values.push_back(v.constData()); };
    // empty values fall back to libpq's defaults, as an absent setting should
    if (!host.isEmpty()) add("host", host);
    if (!dbname.isEmpty()) add("dbname", dbname);
    if (s.port != 0) add("port", port);
    add("user", user);
    add("password", password);
    add("connect_timeout", timeout);
    static const QByteArray encoding("UTF8"), app("Saxora"),
        options("-c standard_conforming_strings=on -c DateStyle=ISO,YMD");
    add("client_encoding", encoding);
    add("application_name", app);
    add("options", options);
    keys.push_back(nullptr);
    values.push_back(nullptr);
    conn_ = PQconnectdbParams(keys.data(), values.data(), 0);
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString text = trimmedMessage(PQerrorMessage(conn_));
        PQfinish(conn_);
        conn_ = nullptr;
        return text;
    }
    PQsetNoticeProcessor(conn_, &Connection::onNotice, this);
    return QStringLiteral("Ok");
}

void Connection::close()
{
    if (conn_) {
        PQfinish(conn_);
        conn_ = nullptr;
    }
}

bool Connection::isOpen() const { return conn_ && PQstatus(conn_) == CONNECTION_OK; }

void Connection::exec(const QString& sql, const Params& params) { run(sql, params, false); }

Dataset Connection::open(const QString& sql, const Params& params) { return run(sql, params, true); }

void Connection::ensureOpen()
{
    if (!conn_)
        throw DbError(QStringLiteral("no connection to the server"), QStringLiteral("08003"), {}, {}, true);
    if (PQstatus(conn_) != CONNECTION_OK) {
        PQreset(conn_);
        if (PQstatus(conn_) != CONNECTION_OK)
            throw DbError(trimmedMessage(PQerrorMessage(conn_)), QStringLiteral("08001"), {}, {}, true);
        PQsetNoticeProcessor(conn_, &Connection::onNotice, this);
    }
}

void Connection::waitForResults()
{
    // Short statements answer within a millisecond or two; only longer waits hand
    // control to the event loop (painting, timers), never to user input.
    const int fd = PQsocket(conn_);
    QElapsedTimer clock;
    clock.start();
    const bool haveApp = QCoreApplication::instance() != nullptr;
    while (PQisBusy(conn_)) {
        pollfd p{fd, POLLIN, 0};
        const int timeout = clock.elapsed() < 5 || !haveApp ? 5 : 15;
        const int ready = ::poll(&p, 1, timeout);
        if (ready > 0 || ready < 0) {
            if (!PQconsumeInput(conn_)) return;  // the connection broke; PQgetResult reports it
        }
        if (haveApp && clock.elapsed() >= 5)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
}

Dataset Connection::run(const QString& sql, const Params& params, bool wantRows)
{
    if (busy_)
        throw DbError(QStringLiteral("Another statement is still running on this connection."));
    const QString text = bindParams(sql, params);
    ensureOpen();
    busy_ = true;
    struct Clear { bool& b; ~Clear() { b = false; } } clear{busy_};

    ++sent_;
    if (trace_) trace_(text);
    const QByteArray utf8 = text.toUtf8();
    if (!PQsendQuery(conn_, utf8.constData())) {
        const bool lost = PQstatus(conn_) != CONNECTION_OK;
        throw DbError(trimmedMessage(PQerrorMessage(conn_)), lost ? QStringLiteral("08006") : QString(), {}, {}, lost);
    }
    waitForResults();

    std::shared_ptr<PgStore> rows;
    std::unique_ptr<DbError> error;
    while (PGresult* r = PQgetResult(conn_)) {
        const ExecStatusType st = PQresultStatus(r);
        if (st == PGRES_TUPLES_OK) {
            rows = std::make_shared<PgStore>(r);  // takes the result
            continue;
        }
        if ((st == PGRES_FATAL_ERROR || st == PGRES_NONFATAL_ERROR || st == PGRES_BAD_RESPONSE) && !error) {
            const char* state = PQresultErrorField(r, PG_DIAG_SQLSTATE);
            error = std::make_unique<DbError>(
                trimmedMessage(PQresultErrorMessage(r)), QString::fromLatin1(state ? state : ""),
                QString::fromUtf8(PQresultErrorField(r, PG_DIAG_MESSAGE_PRIMARY)),
                QString::fromUtf8(PQresultErrorField(r, PG_DIAG_MESSAGE_DETAIL)));
        } else if (st == PGRES_COPY_IN || st == PGRES_COPY_OUT || st == PGRES_COPY_BOTH) {
            PQclear(r);
            if (!error) error = std::make_unique<DbError>(QStringLiteral("COPY is not supported through this connection."));
            break;
        }
        PQclear(r);
    }

    if (PQstatus(conn_) != CONNECTION_OK) {
        QString message = error ? error->message() : QString();
        const QString libpq = trimmedMessage(PQerrorMessage(conn_));
        if (!libpq.isEmpty() && !message.contains(libpq))
            message = message.isEmpty() ? libpq : message + QLatin1Char('\n') + libpq;
        if (message.isEmpty()) message = QStringLiteral("server closed the connection unexpectedly");
        QString state = error ? error->sqlstate() : QString();
        if (state.isEmpty() || !state.startsWith(QLatin1String("08"))) state = state.isEmpty() ? QStringLiteral("08006") : state;
        throw DbError(message, state, error ? error->primary() : message, error ? error->detail() : QString(), true);
    }
    if (error) {
        if (PQtransactionStatus(conn_) == PQTRANS_INERROR) {
            // leave no aborted transaction behind: the next statement must work
            PGresult* r = PQexec(conn_, "ROLLBACK");
            PQclear(r);
        }
        throw *error;
    }
    if (wantRows && !rows)
        return Dataset::fromRows({}, {});
    return rows ? Dataset(rows) : Dataset();
}

}  // namespace db
