#include "core/forms.h"

#include <QPointer>
#include <vector>

namespace core {
namespace {
std::vector<QPointer<QWidget>>& registry()
{
    static std::vector<QPointer<QWidget>> r;
    return r;
}
}  // namespace

void Forms::add(QWidget* window)
{
    auto& r = registry();
    for (auto& p : r)
        if (p && p->objectName() == window->objectName()) { p = window; return; }
    r.emplace_back(window);
}

void Forms::remove(QWidget* window)
{
    auto& r = registry();
    for (auto it = r.begin(); it != r.end(); ++it)
        if (*it == window) { r.erase(it); return; }
}

QWidget* Forms::find(const QString& name)
{
    for (auto& p : registry())
        if (p && p->objectName() == name) return p;
    return nullptr;
}

QList<QWidget*> Forms::all()
{
    QList<QWidget*> out;
    for (auto& p : registry())
        if (p) out << p;
    return out;
}

}  // namespace core
