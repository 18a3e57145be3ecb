#pragma once
// The simple wait window Tpwait ("Please wait..."). Callers show it before a
// database action and enable its 10 ms timer afterwards; the timer closes the
// window at its first tick once the program is back in its event loop. The timer
// is never switched off again, so a later showing closes at the next tick too.
// Ticks that arrive while a statement of the shared session runs do not count:
// the work that showed the window is still going on.

#include <QDialog>

class QTimer;

namespace core {

class Tpwait : public QDialog {
    Q_OBJECT
public:
    explicit Tpwait(QWidget* parent = nullptr);
    // show and paint at once, before the work starts
    void showNow();
    void enableTimer();
    bool timerEnabled() const;

private:
    void tick();
    QTimer* timer_;
};

Tpwait* pwait();

// Shows the wait window for the lifetime of the guard and enables its timer at
// the end, also when the work throws.
class WaitWindow {
public:
    WaitWindow() { pwait()->showNow(); }
    ~WaitWindow() { pwait()->enableTimer(); }
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;
};

}  // namespace core
