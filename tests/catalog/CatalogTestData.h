#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/CatalogEntry.h"
#include "catalog/CatalogMessages.h"
#include "oob/DateRange.h"
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
                           DateRange range = kAlways);
  OrgTemplate* Org(int echelon, std::uint32_t reference, std::string_view name,
                   DateRange range = kAlways);
  // Appends a group to a template (before any catalog looks at it).
  static SubunitGroup& Group(OrgTemplate* org, std::string_view name, const Choices& choices,
                             DateRange range = kAlways);

  const OobDatabase& Database() const { return database_; }

 private:
  OobDatabase database_;
};

// Keeps every message, to compare them in order.
class RecordedMessages : public CatalogMessages {
 public:
  void Show(std::string_view text, std::string_view caption) override;
  std::vector<std::string> texts;
  std::vector<std::string> captions;
};

// One row as a tree control would hold it.
struct TreeRow {
  std::string text;
  int image = 0;
  const UnitTemplate* unit = nullptr;
  std::vector<TreeRow> children;
  bool operator==(const TreeRow&) const = default;
};

// The catalog filled the plain way: every row inserted at once, each message shown where the
// depth-first fill meets it. The model must give the same rows and the same messages.
class EagerCatalog {
 public:
  EagerCatalog(const OobDatabase& database, CatalogDate date);
  // Fills the nation unless one of its echelon groups has rows already.
  void FillNation(int nation);
  // Empties every nation, then fills those given again, in nation order.
  void Refresh(CatalogDate date, const std::vector<int>& expanded);

  TreeRow root;
  std::vector<std::string> messages;

 private:
  TreeRow* NationRow(int nation);
  void FillSubunitGroups(TreeRow& item, const OrgTemplate& org);
  void FillChoices(TreeRow& groupItem, const std::string& ownerText, const SubunitGroup& group);

  const OobDatabase& database_;
  CatalogDate date_;
  std::vector<int> present_;
};

}  // namespace valdren::test
