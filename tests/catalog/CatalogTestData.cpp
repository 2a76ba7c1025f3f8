#include "CatalogTestData.h"

#include <memory>

#include "oob/Nations.h"

namespace valdren::test {

PlatoonTemplate* TestDatabase::Platoon(std::uint32_t reference, std::string_view name,
                                       int catalogValue, DateRange range) {
  auto platoon = std::make_unique<PlatoonTemplate>();
  platoon->reference = reference;
  platoon->name = name;
  platoon->catalogValue = catalogValue;
  static_cast<DateRange&>(*platoon) = range;
  PlatoonTemplate* const result = platoon.get();
  database_.Append(std::move(platoon));
  return result;
}

OrgTemplate* TestDatabase::Org(int echelon, std::uint32_t reference, std::string_view name,
                               DateRange range) {
  auto org = std::make_unique<OrgTemplate>(echelon);
  org->reference = reference;
  org->name = name;
  static_cast<DateRange&>(*org) = range;
  OrgTemplate* const result = org.get();
  database_.Append(std::move(org));
  return result;
}

SubunitGroup& TestDatabase::Group(OrgTemplate* org, std::string_view name, const Choices& choices,
                                  DateRange range) {
  SubunitGroup group;
  static_cast<DateRange&>(group) = range;
  group.name = name;
  for (const auto& [unit, probability] : choices)
    group.choices.Append(unit, probability);
  org->groups.push_back(std::move(group));
  return org->groups.back();
}

void RecordedMessages::Show(std::string_view text, std::string_view caption) {
  texts.emplace_back(text);
  captions.emplace_back(caption);
}

// ---- The plain fill, written from the rules of the tree, independent of the model's code.

namespace {

int Nation(const UnitTemplate& unit) {
  return static_cast<int>(unit.echelon == 0 ? unit.reference / 1000 % 100
                                            : unit.reference / 100000 % 100);
}

const char* const kGroupNames[] = {"Platoons", "Companies", "Battalions", "Regiments",
                                   "Brigades", "Divisions", "Corps",      "Armies"};

}  // namespace

EagerCatalog::EagerCatalog(const OobDatabase& database, CatalogDate date)
    : database_(database), date_(date) {
  root = {"Available Units and Organizations", 0, nullptr, {}};
  for (int nation = 0; nation < 20; ++nation) {
    bool present = false;
    for (const auto& node : database.Templates())
      present = present || Nation(*node.item) == nation;
    if (!present) continue;
    present_.push_back(nation);
    TreeRow row{std::string(NationName(nation)), 9 + nation, nullptr, {}};
    for (int echelon = 0; echelon < 8; ++echelon)
      row.children.push_back({kGroupNames[echelon], 1 + echelon, nullptr, {}});
    root.children.push_back(std::move(row));
  }
}

TreeRow* EagerCatalog::NationRow(int nation) {
  for (std::size_t i = 0; i < present_.size(); ++i)
    if (present_[i] == nation) return &root.children[i];
  return nullptr;
}

void EagerCatalog::FillNation(int nation) {
  TreeRow* const nationRow = NationRow(nation);
  for (const TreeRow& group : nationRow->children)
    if (!group.children.empty()) return;
  for (const auto& node : database_.Templates()) {
    const UnitTemplate& unit = *node.item;
    if (Nation(unit) != nation || !unit.InDateRange(date_.month, date_.year)) continue;
    std::string text(unit.name.View());
    if (unit.echelon == 0) {
      const int category = static_cast<int>(unit.reference / 100 % 10);
      if (category == 5) continue;
      if (category != 3 && category != 4)
        text += " [" + std::to_string(static_cast<const PlatoonTemplate&>(unit).catalogValue) + "]";
    }
    TreeRow& parent = nationRow->children[unit.echelon];
    parent.children.push_back({text, 9 + nation, &unit, {}});
    if (unit.echelon != 0)
      FillSubunitGroups(parent.children.back(), static_cast<const OrgTemplate&>(unit));
  }
}

void EagerCatalog::FillSubunitGroups(TreeRow& item, const OrgTemplate& org) {
  bool inserted = false;
  for (const SubunitGroup& group : org.groups) {
    if (!group.InDateRange(date_.month, date_.year)) continue;
    const int firstEchelon = group.choices.Empty() ? 0 : group.choices.First()->item->echelon;
    item.children.push_back({std::string(group.name.View()), 1 + firstEchelon, nullptr, {}});
    inserted = true;
    FillChoices(item.children.back(), item.text, group);
  }
  if (!inserted && !org.groups.empty())
    messages.push_back("Missing subunits for: " + std::string(org.name.View()) + " (" +
                       std::to_string(org.reference) + ")");
}

void EagerCatalog::FillChoices(TreeRow& groupItem, const std::string& ownerText,
                               const SubunitGroup& group) {
  bool inserted = false;
  for (const SubunitChoice& choice : group.choices) {
    const UnitTemplate& unit = *choice.item;
    if (!unit.InDateRange(date_.month, date_.year)) continue;
    std::string text(unit.name.View());
    if (choice.weight != 100) text = "(" + std::to_string(choice.weight) + "%) " + text;
    groupItem.children.push_back({text, 9 + Nation(unit), &unit, {}});
    inserted = true;
    if (unit.echelon != 0)
      FillSubunitGroups(groupItem.children.back(), static_cast<const OrgTemplate&>(unit));
  }
  if (!inserted)
    messages.push_back("Missing subunits for: " + std::string(group.name.View()) + ", " +
                       ownerText);
}

void EagerCatalog::Refresh(CatalogDate date, const std::vector<int>& expanded) {
  date_ = date;
  for (const int nation : present_) {
    for (TreeRow& group : NationRow(nation)->children)
      group.children.clear();
    for (const int filled : expanded)
      if (filled == nation) FillNation(nation);
  }
}

}  // namespace valdren::test
