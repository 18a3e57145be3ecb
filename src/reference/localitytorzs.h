#pragma once
// The flat locality list Tlocalityt ("Localities") over the view localitytorzs,
// opened only by the launcher localitytorzs; "Add" and "Show/Edit" open the
// locality editor Tlocalitym.

#include "reference/refdesc.h"

namespace reference {

const RefDesc& localityList();

}  // namespace reference
