#include "samples/samplem2_tree.h"

#include "samples/meres_types.h"

namespace samples {

std::vector<TreeNodeDef> treeNodes(core::Edition edition)
{
    std::vector<TreeNodeDef> n = {
        {1, QStringLiteral("Identification"), 0},
        {2, QStringLiteral("Description"), 0},
        {3, QStringLiteral("Methods"), 0},
        {31, QStringLiteral("Color and Fabric"), 3},
        {32, QStringLiteral("Physical properties"), 3},
        {33, QStringLiteral("Mineralogical Composition"), 3},
    };
    auto typesUnder = [&](int parent) {
        for (const MeresType& t : meresTypes())
            if (t.parent == parent) n.push_back({t.tipus, t.caption, parent});
    };
    typesUnder(33);
    n.push_back({34, QStringLiteral("Isotopical Investigation"), 3});
    typesUnder(34);
    const std::vector<TreeNodeDef> rest = {
        {35, QStringLiteral("Chemical Composition"), 3},
        {36, QStringLiteral("ESR"), 3},
        {37, QStringLiteral("FA and QTA"), 3},
        {4, QStringLiteral("Conservation and Restauration"), 0},
        {5, QStringLiteral("Photos"), 0},
        {6, QStringLiteral("Literature"), 0},
    };
    n.insert(n.end(), rest.begin(), rest.end());
    if (edition == core::Edition::Descriptive) {
        n.push_back({7, QStringLiteral("Macroscopic Description"), 0});
        n.push_back({8, QStringLiteral("Microscopic Description"), 0});
    }
    return n;
}

}  // namespace samples
