#include "samples/section.h"

#include <algorithm>

namespace samples {
namespace {
std::vector<SectionEntry>& registry()
{
    static std::vector<SectionEntry> r;
    return r;
}
}  // namespace

std::function<bool(int)> NodeRoute::codes(std::vector<int> list)
{
    return [list = std::move(list)](int code) { return std::find(list.begin(), list.end(), code) != list.end(); };
}

NodeRoute NodeRoute::showPage(std::vector<int> list, const QString& page)
{
    NodeRoute r;
    r.matches = codes(std::move(list));
    r.page = page;
    return r;
}

NodeRoute NodeRoute::filterDataset(std::function<bool(int)> matches, const QString& dataset,
                                   std::function<QString(const TreeNode&)> filter)
{
    NodeRoute r;
    r.matches = std::move(matches);
    r.dataset = dataset;
    r.filter = std::move(filter);
    return r;
}

NodeRoute NodeRoute::run(std::function<bool(int)> matches, std::function<void(const TreeNode&)> action)
{
    NodeRoute r;
    r.matches = std::move(matches);
    r.action = std::move(action);
    return r;
}

void registerSection(SectionEntry entry)
{
    auto& r = registry();
    for (auto& e : r)
        if (e.name == entry.name) { e = std::move(entry); return; }
    r.push_back(std::move(entry));
}

std::vector<SectionEntry> registeredSections()
{
    std::vector<SectionEntry> out = registry();
    std::stable_sort(out.begin(), out.end(), [](const SectionEntry& a, const SectionEntry& b) { return a.stage < b.stage; });
    return out;
}

}  // namespace samples
