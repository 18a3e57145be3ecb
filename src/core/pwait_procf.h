#pragma once
// The process wait indicator: indit shows Tpwait2 and starts its moving bar,
// leallit stops the bar and takes the window down. Pair every indit with one
// leallit; a second indit while one runs restarts the same animation, so no
// animation is ever left running that nothing can stop.

#include <QObject>

namespace core {

class Tpwait_proc : public QObject {
    Q_OBJECT
public:
    explicit Tpwait_proc(QObject* parent = nullptr);
    void indit();
    void leallit();
    bool running() const;
};

Tpwait_proc* pwaitProc();

// indit for the lifetime of the guard, leallit at its end (also on exceptions).
class ProcWait {
public:
    ProcWait() { pwaitProc()->indit(); }
    ~ProcWait() { pwaitProc()->leallit(); }
    ProcWait(const ProcWait&) = delete;
    ProcWait& operator=(const ProcWait&) = delete;
};

}  // namespace core
