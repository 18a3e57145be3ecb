#pragma once
// The wait indicator a list names for a piece of work, for the lifetime of the
// guard (taken down also when the work throws).

#include "core/pwait_procf.h"
#include "core/pwaitform.h"
#include "reference/refdesc.h"

#include <optional>

namespace reference {

class WaitFor {
public:
    explicit WaitFor(Wait kind)
    {
        if (kind == Wait::Window) window_.emplace();
        if (kind == Wait::Proc) proc_.emplace();
    }
    WaitFor(const WaitFor&) = delete;
    WaitFor& operator=(const WaitFor&) = delete;

private:
    std::optional<core::WaitWindow> window_;
    std::optional<core::ProcWait> proc_;
};

}  // namespace reference
