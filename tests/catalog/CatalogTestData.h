#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/CatalogMessages.h"
#include "catalog/CatalogModel.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonTemplate.h"

namespace valdren::test {

// Reference numbers as the database files write them: the nation in digits 4-5 of a platoon and
// 6-7 of an organization, a platoon's category in the hundreds digit.
inline std::uint32_t PlatoonReference(int nation, int category, int serial) {
  return static_cast<std::uint32_t>(nation * 1000 + category * 100 + serial);
}
inline std::uint32_t OrgReference(int nation, int serial) {
  return static_cast<std::uint32_t>(nation * 100000 + serial);
}

inline constexpr DateRange kAlways{1, 39, 12, 45};

// A database put together in memory, in load order, the way the loader would leave it.
class TestDatabase {
 public:
  using Choices = std::vector<std::pair<const UnitTemplate*, int>>;

  PlatoonTemplate* Platoon(std::uint32_t reference, std::string_view name, int catalogValue = 0,
                           DateRange range = kAlways) {
    auto platoon = std::make_unique<PlatoonTemplate>();
    platoon->catalogValue = catalogValue;
    return Add(std::move(platoon), reference, name, range);
  }
  OrgTemplate* Org(int echelon, std::uint32_t reference, std::string_view name,
                   DateRange range = kAlways) {
    return Add(std::make_unique<OrgTemplate>(echelon), reference, name, range);
  }
  // Appends a group to a template (before any catalog looks at it).
  static void Group(OrgTemplate* org, std::string_view name, const Choices& choices,
                    DateRange range = kAlways) {
    SubunitGroup& group = org->groups.emplace_back();
    static_cast<DateRange&>(group) = range;
    group.name = name;
    for (const auto& [unit, probability] : choices)
      group.choices.push_back({unit, probability});
  }
  const OobDatabase& Database() const { return database_; }

 private:
  template <typename T>
  T* Add(std::unique_ptr<T> unit, std::uint32_t reference, std::string_view name, DateRange range) {
    unit->reference = reference;
    unit->name = name;
    static_cast<DateRange&>(*unit) = range;
    T* const result = unit.get();
    database_.Append(std::move(unit));
    return result;
  }
  OobDatabase database_;
};

// Keeps every message, to compare them in order.
class RecordedMessages : public CatalogMessages {
 public:
  void Show(std::string_view text, std::string_view caption) override {
    texts.emplace_back(text);
    EXPECT_EQ(caption, "Internal Data Error") << text;
  }
  std::vector<std::string> texts;
};

// One row as a tree control would hold it.
struct TreeRow {
  std::string text;
  int image = 0;
  const UnitTemplate* unit = nullptr;
  std::vector<TreeRow> children;
  bool operator==(const TreeRow&) const = default;
};

// The rows of the model below the given one, asked for the way a view asks, checking on the way
// that every child knows its parent and its position.
inline TreeRow Mirror(const CatalogModel& model, CatalogRow row) {
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

// The same rows read through ChildEntries, which makes no rows.
inline TreeRow MirrorEntries(const CatalogModel& model, const CatalogEntry& entry) {
  TreeRow mirror{EntryText(entry).Std(), EntryImage(entry), entry.unit, {}};
  for (const CatalogEntry& child : model.ChildEntries(entry))
    mirror.children.push_back(MirrorEntries(model, child));
  return mirror;
}

// The rows as indented lines "text |image|echelon:reference", for readable comparisons.
inline std::string Render(const TreeRow& row, int depth = 0) {
  std::string text =
      std::string(2 * depth, ' ') + row.text + " |" + std::to_string(row.image) + "|";
  if (row.unit)
    text += std::to_string(row.unit->echelon) + ":" + std::to_string(row.unit->reference);
  text += "\n";
  for (const TreeRow& child : row.children)
    text += Render(child, depth + 1);
  return text;
}

}  // namespace valdren::test
