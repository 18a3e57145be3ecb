#pragma once
// Bringing the program up and down: the splash window, the message loop with
// the login window, and the restart after an update replaced the executable.

#include <QWidget>

class QApplication;

namespace core {

// Ttolto: the splash, a borderless picture centred on the screen.
class Ttolto : public QWidget {
    Q_OBJECT
public:
    explicit Ttolto(QWidget* parent = nullptr);
    void showCentered();

protected:
    void paintEvent(QPaintEvent*) override;
};

// Creates the core windows that come after the data module (message window,
// wait indicators).
void createCoreForms();

// Connects the shared session, runs the message loop with the login window and,
// when an update asked for it, starts the program's own executable again.
int runMessageLoop(QApplication& app, QWidget* loginWindow);

// Starts the running executable anew (no arguments); false when that failed.
bool restartProgram();
// The executable restartProgram starts (the running one unless set; for tests).
void setRestartExecutable(const QString& path);

}  // namespace core
