#pragma once
// The reference lists that are plain lists of names, and the pick-only list of
// measured-quantity names: one description each.

#include "reference/refdesc.h"

#include <vector>

namespace reference {

// country, city, boundary shape, fabric type, fabric, colour, method, mineral,
// conservation substance, journal, measurement method, RAL colour, Munsell colour
const std::vector<RefDesc>& simpleLists();
// Tenevek: names of searchable measurement columns of one group, pick only
const RefDesc& quantityNames();

// the description whose list window has this class name (nullptr when none)
const RefDesc* findList(const QString& listClass);

}  // namespace reference
