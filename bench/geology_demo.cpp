// Opens one window of the reference lists against a database, logged in as a
// user of that database, to look at it on a real screen:
//
//   bench_geology_demo INI USER WINDOW [ID]
//
// INI is a connection.ini; WINDOW a window's class name (Tartt, Tartm, Tgeo_un,
// ...). An editor gets ID in its ID field (empty: a new record); a tree selects
// the node of ID.

#include "session.h"

#include "core/datam.h"
#include "core/forms.h"
#include "core/openers.h"
#include "core/startup.h"
#include "reference/recordeditor.h"
#include "reference/searchtree.h"
#include "reference/treewindow.h"
#include "reference/forms_reference.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s INI USER WINDOW [ID]\n", argv[0]);
        return 2;
    }
    auto* dm = new core::Tdm(&app);
    if (!bench::connected(dm->kapcskiep(QString::fromLocal8Bit(argv[1])))) return 1;
    if (!bench::actAs(*dm, QString::fromLocal8Bit(argv[2]))) return 1;
    core::createCoreForms();
    reference::createForms();

    const QString name = QString::fromLocal8Bit(argv[3]);
    // a tree shows the node of ID selected
    if (argc > 4)
        QTimer::singleShot(300, [&] {
            if (auto* tree = core::Forms::find(name) ? core::Forms::find(name)->findChild<reference::SearchTree*>() : nullptr)
                tree->selectNode(QString::fromLocal8Bit(argv[4]).toInt());
        });
    QTimer::singleShot(0, [&] {
        if (core::openWindow(name)) {
            app.quit();
            return;
        }
        auto* w = qobject_cast<QDialog*>(core::Forms::find(name));
        if (!w) {
            app.exit(1);
            return;
        }
        const QString id = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
        if (auto* editor = dynamic_cast<reference::RecordEditor*>(w)) editor->setRecordId(id);
        if (auto* editor = qobject_cast<reference::TreeEditDialog*>(w)) editor->prepare(id, QString(), QString());
        w->exec();
        app.quit();
    });
    return app.exec();
}
