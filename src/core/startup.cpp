#include "core/startup.h"

#include "core/amentes.h"
#include "core/artwork.h"
#include "core/datam.h"
#include "core/forms.h"
#include "core/jelszomod.h"
#include "core/loginform.h"
#include "core/pwait2f.h"
#include "core/pwait_procf.h"
#include "core/pwaitform.h"
#include "core/uzenetm.h"
#include "core/uzenetmod.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>

namespace core {

Ttolto::Ttolto(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Ttolto"));
    setFixedSize(480, 280);
}

void Ttolto::showCentered()
{
    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
    show();
    repaint();
}

void Ttolto::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, artwork::splash(size()));
}

void createCoreForms()
{
    Forms::add(new Tuzi);
    Forms::add(new Tjelszom);
    Forms::add(new Tuzenetm);
    Forms::add(new Tamentes);
    pwait();
    pwait2();
    pwaitProc();
}

int runMessageLoop(QApplication& app, QWidget* loginWindow)
{
    Tdm& d = dm();
    // closing the login window, the application's main window, ends the loop
    if (auto* login = qobject_cast<Tlogin*>(loginWindow))
        QObject::connect(login, &Tlogin::programEnding, &app, [] { QCoreApplication::exit(0); });
    d.connect_result = d.kapcskiep();
    loginWindow->show();
    const int rc = app.exec();
    if (d.restart_requested) restartProgram();
    return rc;
}

namespace {
QString& restartExecutable()
{
    static QString path;
    return path;
}
}  // namespace

void setRestartExecutable(const QString& path) { restartExecutable() = path; }

bool restartProgram()
{
    const QString exe = restartExecutable().isEmpty() ? QCoreApplication::applicationFilePath() : restartExecutable();
    return QProcess::startDetached(exe, {});
}

}  // namespace core
