// Opens the sample list or the sample editor against a database, to look at them
// on a real screen.
//
//   bench_samples_demo DBNAME list [--filter]
//   bench_samples_demo DBNAME edit SAMPLE_ID [NODE_CODE]
//   bench_samples_demo DBNAME new
//
// The server comes from PGHOST/PGPORT; the program's own account logs in as the
// user admin. --filter opens the side bar's search panel; NODE_CODE selects a
// node of the editor's tree (2: "Description").

#include "session.h"

#include "core/datam.h"
#include "core/startup.h"
#include "reference/forms_reference.h"
#include "samples/forms_samples.h"
#include "samples/samplem2_f.h"
#include "samples/samplet2_form.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saxora"));
    const QStringList a = app.arguments();
    if (a.size() < 3) {
        std::fprintf(stderr, "usage: bench_samples_demo DBNAME list|edit ID [NODE]|new\n");
        return 2;
    }
    auto* dm = new core::Tdm(&app);
    if (!bench::connected(dm->conn().connect(bench::programAccount(a[1])))) return 1;
    if (!bench::actAs(*dm, QStringLiteral("admin"))) return 1;
    core::createCoreForms();
    reference::createForms();
    samples::createForms();

    if (a[2] == QLatin1String("list")) {
        samples::Tsamplet2* list = samples::sampleList();
        list->browse_mode = 1;
        list->resize(1180, 760);
        list->show();
        if (a.contains(QStringLiteral("--filter"))) QTimer::singleShot(300, list, [list] { list->toggleFilter(); });
    } else {
        samples::Tsamplem2* editor = samples::sampleEditor();
        editor->setSampleId(a[2] == QLatin1String("edit") ? a.value(3) : QString());
        editor->resize(1180, 800);
        editor->show();
        const int node = a.value(4).toInt();
        if (node > 0) QTimer::singleShot(300, editor, [editor, node] { editor->selectNode(node); });
    }
    return app.exec();
}
