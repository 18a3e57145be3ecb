#include "core/pwait_procf.h"

#include "core/pwait2f.h"

#include <QApplication>
#include <QScreen>

namespace core {

Tpwait_proc::Tpwait_proc(QObject* parent) : QObject(parent) { setObjectName(QStringLiteral("Tpwait_proc")); }

void Tpwait_proc::indit()
{
    Tpwait2* w = pwait2();
    // a second indit while one runs restarts the one animation: there is never a
    // second one that no leallit could stop
    w->panel()->start();
    w->show();
    w->fitHeight();
    if (QScreen* s = QGuiApplication::primaryScreen()) w->move(s->availableGeometry().center() - w->rect().center());
    w->raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tpwait_proc::leallit()
{
    Tpwait2* w = pwait2();
    w->panel()->stop();
    // the window has no height any more; a window without height shows nothing,
    // so it is taken down
    w->hide();
}

bool Tpwait_proc::running() const { return pwait2()->panel()->running(); }

Tpwait_proc* pwaitProc()
{
    static Tpwait_proc* p = nullptr;
    if (!p) p = new Tpwait_proc(qApp);
    return p;
}

}  // namespace core
