#pragma once
// The people list Tszemelyt ("People") over the view szemelytorzs: browsed from
// the "Basic data" item "People" and picked from through the launcher
// szemelytorzs; "Add" and "Show/Edit" open the person editor Tszemelym.

#include "reference/refdesc.h"

namespace reference {

const RefDesc& peopleList();

}  // namespace reference
