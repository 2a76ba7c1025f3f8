#include "builder/BuilderTestData.h"

#include <memory>

#include "org/OrgGroup.h"

namespace valdren::test {

const UnitTemplate& Templates::Platoon(std::uint32_t reference, std::string_view name) {
  auto unit = std::make_unique<UnitTemplate>(0);
  unit->reference = reference;
  unit->name = name;
  const UnitTemplate& made = *unit;
  database.Append(std::move(unit));
  return made;
}

OrgTemplate& Templates::Org(int echelon, std::uint32_t reference, std::string_view name,
                            int morale) {
  auto unit = std::make_unique<OrgTemplate>(echelon);
  unit->reference = reference;
  unit->name = name;
  unit->morale = morale;
  OrgTemplate& made = *unit;
  database.Append(std::move(unit));
  return made;
}

SubunitGroup& AddGroup(OrgTemplate& owner, std::string_view name, Choices choices,
                       DateRange range) {
  SubunitGroup& group = owner.groups.emplace_back();
  static_cast<DateRange&>(group) = range;
  group.name = name;
  for (const auto& [unit, probability] : choices)
    group.choices.Append(unit, probability);
  return group;
}

std::string Shape(const OrgItem& item) {
  std::string shape(item.name.View());
  const OrgGroup* group = item.AsGroup();
  if (!group) return shape;
  const char* separator = "[";
  for (const auto& node : group->children) {
    shape += separator;
    shape += Shape(*node.item);
    separator = "|";
  }
  return shape + (group->children.Empty() ? "[]" : "]");
}

}  // namespace valdren::test
