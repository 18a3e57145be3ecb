#pragma once
// The fixed nodes of the sample editor's tree, in tree order. The measurement
// nodes (under the seven type nodes) and the analysis nodes (under "Chemical
// Composition") come from the sample's rows when the tree is built.

#include "core/datam.h"

#include <QString>
#include <vector>

namespace samples {

struct TreeNodeDef {
    int code;
    QString caption;
    int parent;  // 0: a top-level node
};

// "Macroscopic Description" and "Microscopic Description" only in the descriptive edition
std::vector<TreeNodeDef> treeNodes(core::Edition edition);

}  // namespace samples
