// Times the sample list on a large collection (bench/generate-collection):
// the list fetch up to a filled grid model against psql fetching the same
// statement to /dev/null, and the title sorts of the fetched rows.
//
//   bench_samplelist_bench DBNAME [--runs N]
//
// The server comes from PGHOST/PGPORT; the program's own account reads the list,
// psql connects with the usual PG* environment. Fails (exit 1) when the fetch
// takes 1.5 times psql's time or more, or a title sort takes 0.3 s or more.

#include "session.h"

#include "controls/dbgrid.h"
#include "core/datam.h"
#include "samples/samplet2_form.h"
#include "samples/samplet2_sql.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

double psqlSeconds(const QString& db, const QString& sql)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(QStringLiteral("psql"), {"-X", "-q", "-A", "-t", "-d", db, "-o", "/dev/null", "-c", sql});
    p.waitForFinished(600000);
    if (p.exitCode() != 0) {
        std::fprintf(stderr, "psql: %s\n", p.readAllStandardError().constData());
        return -1;
    }
    return t.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 2) {
        std::fprintf(stderr, "usage: bench_samplelist_bench DBNAME [--runs N]\n");
        return 2;
    }
    const int runs = a.indexOf("--runs") > 0 ? a.value(a.indexOf("--runs") + 1).toInt() : 3;

    auto* dm = new core::Tdm(&app);
    if (!bench::connected(dm->conn().connect(bench::programAccount(a[1])))) return 1;
    dm->rights = QStringLiteral("D");

    samples::Tsamplet2 list;
    list.resize(1200, 700);
    const QString sql = samples::sampleListSql(QStringLiteral("sample_id desc"));
    double fetch = 1e9, psql = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        list.adatleker();
        const int rows = list.grid()->model()->rowCount();
        fetch = std::min(fetch, t.nsecsElapsed() / 1e9);
        if (rows != list.list().rowCount() || rows == 0) {
            std::fprintf(stderr, "the grid model holds %d rows\n", rows);
            return 1;
        }
        const double p = psqlSeconds(a[1], sql);
        if (p < 0) return 1;
        psql = std::min(psql, p);
    }
    const int rows = list.list().rowCount();
    std::printf("rows                 %d\n", rows);
    std::printf("list fetch to model  %.3f s (best of %d)\n", fetch, runs);
    std::printf("psql to /dev/null    %.3f s (best of %d)\n", psql, runs);
    const double ratio = fetch / psql;
    std::printf("ratio                %.2f (limit 1.5)\n", ratio);

    double worstSort = 0;
    for (const char* field : {"sample_name", "short_d", "mint_jelnev", "letre_date", "teljnev", "sample_id"}) {
        QElapsedTimer t;
        t.start();
        list.grid()->sortByField(QString::fromLatin1(field));
        const double sec = t.nsecsElapsed() / 1e9;
        worstSort = std::max(worstSort, sec);
        std::printf("title sort %-10s %.3f s\n", field, sec);
    }
    std::printf("slowest title sort   %.3f s (limit 0.3)\n", worstSort);
    const bool ok = ratio < 1.5 && worstSort < 0.3;
    std::printf("%s\n", ok ? "PASS" : "FAIL");
    return ok ? 0 : 1;
}
