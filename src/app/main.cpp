// Saxora: a desktop client for a research collection of stone samples.

#include "core/datam.h"
#include "core/fmain.h"
#include "core/forms.h"
#include "core/loginform.h"
#include "core/startup.h"
#include "reference/forms_reference.h"
#include "samples/forms_samples.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    core::Ttolto splash;
    splash.showCentered();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Saxora"));
    QApplication::setQuitOnLastWindowClosed(false);

    // every window once, the login window first: it is the application's main window
    auto* login = new core::Tlogin;
    core::Forms::add(login);
    core::Forms::add(new core::Tf_main);
    core::Forms::add(&splash);
    auto* dm = new core::Tdm(&app);
    (void)dm;
    core::createCoreForms();
    reference::createForms();
    samples::createForms();

    return core::runMessageLoop(app, login);
}
