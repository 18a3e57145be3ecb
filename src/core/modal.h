#pragma once
// How a window is shown modally. The program runs the dialog's own modal loop;
// tests install a runner that shows the window, lets a scripted "user" act on it
// and returns what the window decided.

#include <QDialog>
#include <functional>

namespace core {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Shows the window modally; returns when it has closed, with its result code.
    virtual int run(QDialog* window) = 0;
};

// The runner in use (the real modal loop unless a test installed another).
ModalRunner& modalRunner();
void setModalRunner(ModalRunner* runner);  // nullptr restores the real one

// Shows the window modally through the runner in use.
int showModal(QDialog* window);

}  // namespace core
