#include "core/modal.h"

namespace core {
namespace {

class ExecRunner : public ModalRunner {
public:
    int run(QDialog* window) override { return window->exec(); }
};

ExecRunner execRunner;
ModalRunner* current = &execRunner;

}  // namespace

ModalRunner& modalRunner() { return *current; }
void setModalRunner(ModalRunner* runner) { current = runner ? runner : &execRunner; }
int showModal(QDialog* window) { return current->run(window); }

}  // namespace core
