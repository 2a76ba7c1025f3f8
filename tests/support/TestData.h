#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/CatalogMessages.h"
#include "oob/Echelon.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonFile.h"
#include "oob/PlatoonTemplate.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"

// Databases and organizations put together in memory, for the tests that need them without files.
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

// A database in load order, the way the loader would leave it.
struct TestDatabase {
  PlatoonTemplate* Platoon(std::uint32_t reference, std::string_view name, int catalogValue = 0,
                           DateRange range = kAlways) {
    auto platoon = std::make_unique<PlatoonTemplate>();
    platoon->catalogValue = catalogValue;
    return Append(std::move(platoon), reference, name, range);
  }
  OrgTemplate* Org(int echelon, std::uint32_t reference, std::string_view name,
                   DateRange range = kAlways) {
    return Append(std::make_unique<OrgTemplate>(echelon), reference, name, range);
  }
  template <typename T>
  T* Append(std::unique_ptr<T> unit, std::uint32_t reference, std::string_view name,
            DateRange range) {
    unit->reference = reference;
    unit->name = name;
    static_cast<DateRange&>(*unit) = range;  // before the index packs it
    T* const added = unit.get();
    database.Append(std::move(unit));
    return added;
  }
  OobDatabase database;
};

// Appends a group of the alternatives with their probabilities to a template.
inline void Group(OrgTemplate* org, std::string_view name,
                  const std::vector<std::pair<const UnitTemplate*, int>>& choices,
                  DateRange range = kAlways) {
  SubunitGroup& group = org->groups.emplace_back();
  static_cast<DateRange&>(group) = range;
  group.name = name;
  for (const auto& [unit, probability] : choices)
    group.choices.push_back({unit, probability});
}

// Keeps every message the catalog shows, to compare them in order.
struct RecordedMessages : CatalogMessages {
  void Show(std::string_view text, std::string_view caption) override {
    texts.emplace_back(text);
    EXPECT_EQ(caption, "Internal Data Error") << text;
  }
  std::vector<std::string> texts;
};

// A platoon line as the game stores it.
inline std::string Stored(std::string plain) {
  Scramble(plain);
  return plain;
}

// "6/41-12/45"
inline std::string Dates(const DateRange& range) {
  return std::to_string(range.startMonth) + '/' + std::to_string(range.startYear) + '-' +
         std::to_string(range.endMonth) + '/' + std::to_string(range.endYear);
}

// Appends a new item to the group's children, or to the top level when group is null.
inline OrgItem& Add(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference,
                    int id = 0, int morale = 6, std::string_view name = "") {
  std::unique_ptr<OrgItem> item = MakeOrgItem(echelon, group);
  item->reference = reference;
  item->id = id;
  item->morale = morale;
  item->name = name;
  OrgItem& added = *item;
  (group ? group->children : root.items).Append(std::move(item));
  return added;
}
inline OrgGroup& AddGroup(OrgRoot& root, OrgGroup* group, int echelon, std::uint32_t reference,
                          int id = 0, int morale = 6, std::string_view name = "") {
  return *Add(root, group, echelon, reference, id, morale, name).AsGroup();
}

// The items of the list in one line, a group's children in brackets: each item as letter,
// reference, "#" id, ":" morale and its name in quotes, or only its name when namesOnly. Adds a
// test failure when an item's parent is not the group that holds it or the list's first node
// does not link its last (later appends would go astray).
inline std::string Dump(const OwningItemList<OrgItem>& list, bool namesOnly = false,
                        const OrgGroup* parent = nullptr) {
  std::string out;
  for (const auto& node : list) {
    const OrgItem& item = *node.item;
    if (item.parent != parent) ADD_FAILURE() << "wrong parent for " << item.name.View();
    if (&node != list.First()) out += namesOnly ? " " : ", ";
    if (!namesOnly)
      out += EchelonLetter(item.echelon) + std::to_string(item.reference) + "#" +
             std::to_string(item.id) + ":" + std::to_string(item.morale) + "'";
    out += item.name.Std() + (namesOnly ? "" : "'");
    if (const OrgGroup* group = item.AsGroup())
      out += "[" + Dump(group->children, namesOnly, group) + "]";
    if (!node.next && list.First()->prev != &node) ADD_FAILURE() << "first does not link last";
  }
  return out;
}
inline std::string Dump(const OrgRoot& root, bool namesOnly = false) {
  return Dump(root.items, namesOnly);
}

}  // namespace valdren::test
