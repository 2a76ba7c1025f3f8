#pragma once

#include <string>

#include "CatalogTestData.h"
#include "catalog/CatalogModel.h"

namespace valdren::test {

// The rows of the model below the given one, asked for the way a view asks, checking on the way
// that every child knows its parent and its position.
TreeRow Mirror(const CatalogModel& model, CatalogRow row);

// The same rows read through ChildEntries, which makes no rows.
TreeRow MirrorEntries(const CatalogModel& model, const CatalogEntry& entry);

// The rows as indented lines "text |image|reference", for readable comparisons.
std::string Render(const TreeRow& row, int depth = 0);

}  // namespace valdren::test
