// Shows the simple wait window and the process wait indicator with its moving
// bar, to look at them on a real screen.

#include "core/pwait2f.h"
#include "core/pwait_procf.h"
#include "core/pwaitform.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    core::Tpwait* simple = core::pwait();
    simple->showNow();
    simple->move(simple->pos() - QPoint(0, 120));
    core::pwaitProc()->indit();
    QTimer::singleShot(60000, &app, &QApplication::quit);
    return app.exec();
}
