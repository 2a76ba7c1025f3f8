#include "CatalogMirror.h"

#include <gtest/gtest.h>

namespace valdren::test {

TreeRow Mirror(const CatalogModel& model, CatalogRow row) {
  TreeRow mirror{model.Text(row).Std(), model.Image(row), model.Template(row), {}};
  const int count = model.ChildCount(row);
  for (int index = 0; index < count; ++index) {
    const CatalogRow child = model.Child(row, index);
    EXPECT_EQ(model.Parent(child), row);
    EXPECT_EQ(model.RowIndex(child), index);
    mirror.children.push_back(Mirror(model, child));
  }
  EXPECT_EQ(model.Child(row, count), kNoRow);
  return mirror;
}

TreeRow MirrorEntries(const CatalogModel& model, const CatalogEntry& entry) {
  TreeRow mirror{EntryText(entry).Std(), EntryImage(entry), entry.unit, {}};
  for (const CatalogEntry& child : model.ChildEntries(entry))
    mirror.children.push_back(MirrorEntries(model, child));
  return mirror;
}

std::string Render(const TreeRow& row, int depth) {
  std::string text(2 * depth, ' ');
  text += row.text + " |" + std::to_string(row.image) + "|";
  if (row.unit)
    text += std::to_string(row.unit->echelon) + ":" + std::to_string(row.unit->reference);
  text += "\n";
  for (const TreeRow& child : row.children)
    text += Render(child, depth + 1);
  return text;
}

}  // namespace valdren::test
