#include "samples/samplet2_hooks.h"

namespace samples {
namespace {
std::function<std::unique_ptr<SearchPanel>(Tsamplet2&)>& panel()
{
    static std::function<std::unique_ptr<SearchPanel>(Tsamplet2&)> f;
    return f;
}
std::function<void(const QString&)>& exporter()
{
    static std::function<void(const QString&)> f;
    return f;
}
}  // namespace

void setSearchPanelFactory(std::function<std::unique_ptr<SearchPanel>(Tsamplet2&)> factory) { panel() = std::move(factory); }
const std::function<std::unique_ptr<SearchPanel>(Tsamplet2&)>& searchPanelFactory() { return panel(); }
void setExportWindow(std::function<void(const QString&)> open) { exporter() = std::move(open); }
const std::function<void(const QString&)>& exportWindow() { return exporter(); }

}  // namespace samples
