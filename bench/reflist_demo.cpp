// Opens one reference list against a database, to look at it on a real screen.
//
//   bench_reflist_demo DBNAME LISTCLASS [--edit | --changed | --pick [ARG]]
//
// The server comes from PGHOST/PGPORT; the program's own account logs in, a second
// session (PGUSER) plays the other user of --changed. --edit opens the edit window
// on the second row; --changed also renames that row meanwhile and presses "Ok",
// which brings up the changed-record question; --pick opens the list as a picker
// (ARG: the measurement kind or quantity group, 332 when not given).

#include "session.h"

#include "core/datam.h"
#include "core/modal.h"
#include "core/openers.h"
#include "core/startup.h"
#include "db/sqltext.h"
#include "reference/forms_reference.h"
#include "reference/refedit.h"
#include "reference/reflist.h"

#include "controls/dbgrid.h"
#include "core/gradbtn.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saxora"));
    const QStringList a = app.arguments();
    if (a.size() < 3) {
        std::fprintf(stderr, "usage: bench_reflist_demo DBNAME LISTCLASS [--edit|--changed|--pick]\n");
        return 2;
    }
    const QString mode = a.value(3);

    const db::ConnectSettings s = bench::programAccount(a[1]);
    auto* dm = new core::Tdm(&app);
    if (!bench::connected(dm->conn().connect(s))) return 1;
    dm->rights = QStringLiteral("D");
    core::createCoreForms();
    reference::createForms();
    reference::RefList* list = reference::listWindow(a[2]);
    if (!list) {
        std::fprintf(stderr, "no list %s\n", qPrintable(a[2]));
        return 1;
    }

    if (mode == QLatin1String("--edit") || mode == QLatin1String("--changed")) {
        QTimer::singleShot(400, list, [list, mode, s] {
            if (list->list().rowCount() > 1) list->grid()->setCurrentRow(1);
            reference::RefEdit* e = list->editor();
            QTimer::singleShot(400, e, [e, mode, s] {
                if (mode != QLatin1String("--changed")) return;
                db::ConnectSettings other = s;
                other.user = qEnvironmentVariable("PGUSER", "postgres");
                other.password = qEnvironmentVariable("PGPASSWORD");
                db::Connection c;
                if (c.connect(other) == QLatin1String("Ok")) {
                    const auto& d = e->desc();
                    c.exec(QStringLiteral("update %1 set %2=%2||' (renamed)' where %3=%4")
                               .arg(d.table, d.nameColumn(), d.key, e->idEdit()->text().trimmed()));
                }
                e->valueEdit(0)->setText(e->valueEdit(0)->text() + QStringLiteral(" - mine"));
                e->okButton()->click();
            });
            list->editButton()->click();
        });
    }
    if (mode == QLatin1String("--pick")) {
        const QString arg = a.value(4, QStringLiteral("332"));
        QTimer::singleShot(0, [dm, list, arg] {
            const QString got = dm->pick(list->desc().launcher, QString(), {arg});
            std::printf("picked %s\n", qPrintable(got));
            QApplication::quit();
        });
    } else {
        QTimer::singleShot(0, [list] {
            core::openWindow(list->objectName());
            QApplication::quit();
        });
    }
    return app.exec();
}
