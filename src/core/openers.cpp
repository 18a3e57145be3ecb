#include "core/openers.h"

#include <QHash>

namespace core {
namespace {
QHash<QString, std::function<void()>>& registry()
{
    static QHash<QString, std::function<void()>> r;
    return r;
}
}  // namespace

void registerOpener(const QString& name, std::function<void()> open) { registry()[name] = std::move(open); }

void unregisterOpener(const QString& name) { registry().remove(name); }

bool hasOpener(const QString& name) { return registry().contains(name); }

bool openWindow(const QString& name)
{
    auto it = registry().find(name);
    if (it == registry().end()) return false;
    auto f = *it;  // the opener may register others meanwhile
    f();
    return true;
}

}  // namespace core
