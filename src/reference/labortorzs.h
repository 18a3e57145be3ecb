#pragma once
// The institution list Tlabort ("Institution") over the view labortorzs: browsed
// from the "Basic data" item "Institution" and picked from through the launcher
// labortorzs; "Add" and "Show/Edit" open the institution editor Tlaborm.

#include "reference/refdesc.h"

namespace reference {

const RefDesc& institutionList();

}  // namespace reference
