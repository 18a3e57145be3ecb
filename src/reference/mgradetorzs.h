#pragma once
// The metamorphic grades: the list Tmgrade (also the picker mgradetorzs) and its
// edit window Tmgradem, on the reference-list pattern.

#include "reference/refdesc.h"

namespace reference {

const RefDesc& mgradeList();

}  // namespace reference
