#pragma once
// The artefact list Tartt ("Artefact"): the reference-list window over the view
// arttorzs, with the description of the row under the cursor below the grid, and
// the picker arttorzs. Its editor is Tartm.

#include "reference/refdesc.h"

namespace reference {

const RefDesc& artList();

}  // namespace reference
