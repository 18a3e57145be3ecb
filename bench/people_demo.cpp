// Shows one window of the people register, the institutions or the localities on
// the demo database, to look at it on a real screen:
//
//   bench_people_demo person [NEV_KOD] [availability]
//   bench_people_demo institution [LABOR_KOD]
//   bench_people_demo tree [FILTER]
//   bench_people_demo locality [LOCALITY_ID]
//   bench_people_demo tree-timing [FILTER]     (prints how long the tree takes)
//
// Run it where connection.ini is (var/run after scripts/demo --prepare-only); it
// acts as the user admin. Without a key it takes the record with the most
// contacts or contact persons.

#include "session.h"

#include "core/datam.h"
#include "core/forms.h"
#include "core/gradbtn.h"
#include "core/modal.h"
#include "core/startup.h"
#include "reference/forms_reference.h"
#include "reference/labormod.h"
#include "reference/loc_fa_f.h"
#include "reference/localitymod.h"
#include "reference/searchtree.h"
#include "reference/shapetabs.h"
#include "reference/szemelymod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

namespace {

QString first(core::Tdm& dm, const QString& sql)
{
    const db::Dataset d = dm.conn().open(sql);
    return d.isEmpty() ? QString() : d.text(0, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saxora"));
    const QStringList args = app.arguments().mid(1);
    const QString what = args.value(0, QStringLiteral("tree"));

    auto* dm = new core::Tdm(&app);
    core::createCoreForms();
    if (!bench::connected(dm->kapcskiep())) return 1;
    if (!bench::actAs(*dm, QStringLiteral("admin"))) return 1;
    reference::createForms();

    // the key given, or the one the statement names first (a record with much to see)
    auto key = [&](const QString& table, const QString& column) {
        const QString given = args.value(1);
        if (!given.isEmpty() && given.at(0).isDigit()) return given;
        return first(*dm, QStringLiteral("select %1 from %2 group by %1 order by count(*) desc, %1 limit 1")
                              .arg(column, table));
    };
    QTimer::singleShot(0, &app, [&] {
        if (what == QLatin1String("person")) {
            auto* w = core::Forms::get<reference::Tszemelym>(QStringLiteral("Tszemelym"));
            w->setId(key(QStringLiteral("elerheto"), QStringLiteral("nev_kod")));
            if (args.contains(QStringLiteral("availability")))
                QTimer::singleShot(300, w, [w] { w->tabs()->tab(1)->click(); });
            core::showModal(w);
        } else if (what == QLatin1String("institution")) {
            auto* w = core::Forms::get<reference::Tlaborm>(QStringLiteral("Tlaborm"));
            w->setId(key(QStringLiteral("illetekes"), QStringLiteral("labor_kod")));
            core::showModal(w);
        } else if (what == QLatin1String("locality")) {
            auto* w = core::Forms::get<reference::Tlocalitym>(QStringLiteral("Tlocalitym"));
            w->setId(key(QStringLiteral("loc_nev"), QStringLiteral("locality_id")));
            core::showModal(w);
        } else if (what == QLatin1String("tree-timing")) {
            auto* w = core::Forms::get<reference::LocalityTree>(QStringLiteral("Tloc_fa"));
            QElapsedTimer t;
            t.start();
            w->show();  // loads the continents, builds, selects
            QApplication::processEvents();
            std::printf("first showing: %lld ms, %d nodes\n", t.elapsed(), int(w->tree()->nodes().size()));
            for (int i = 0; i < 3; ++i) {
                t.restart();
                w->build();
                std::printf("rebuild: %lld ms\n", t.elapsed());
            }
            t.restart();
            w->filter()->setText(args.value(1, QStringLiteral("9")));
            w->searchButton()->click();
            std::printf("search: %lld ms\n", t.elapsed());
            t.restart();
            for (int i = 0; i < 100; ++i) w->nextButton()->click();
            std::printf("100 next matches: %lld ms\n", t.elapsed());
            w->hide();
        } else {
            auto* w = core::Forms::get<reference::LocalityTree>(QStringLiteral("Tloc_fa"));
            const QString filter = args.value(1);
            if (!filter.isEmpty())
                QTimer::singleShot(300, w, [w, filter] {
                    w->filter()->setText(filter);
                    w->searchButton()->click();
                });
            core::showModal(w);
        }
        QApplication::quit();
    });
    return app.exec();
}
