#include "builder/UserBuilder.h"

#include "builder/Builder.h"
#include "builder/UserChoices.h"
#include "oob/Echelon.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"
#include "oob/UnitTemplate.h"

namespace valdren {

std::unique_ptr<OrgItem> UserBuilder::InstantiateByUser(const UnitTemplate& unit,
                                                        const String& designation, OrgGroup* parent,
                                                        NamePattern name) {
  if (unit.echelon != kPlatoon)
    return InstantiateGroupByUser(AsOrgTemplate(unit), parent, designation, name);
  // No leader name is drawn here: a leader is named like any other platoon.
  auto item = std::make_unique<OrgItem>(kPlatoon, parent);
  item->SetName(name ? MakeNameByUser(*name, designation, unit).name : String(kIndependentUnit));
  item->reference = unit.reference;
  return item;
}

std::unique_ptr<OrgGroup> UserBuilder::InstantiateGroupByUser(const OrgTemplate& unit,
                                                              OrgGroup* parent,
                                                              const String& designation,
                                                              NamePattern name) {
  auto group = std::make_unique<OrgGroup>(unit.echelon, parent);
  const NameAndDesignation named =
      MakeNameByUser(name ? *name : unit.name.View(), designation, unit);
  group->SetName(named.name);
  group->reference = unit.reference;

  // As deep as an organization file can be read back, as with automatic choices.
  if (depth_ + 1 >= kMaxOrgDepth) return group;
  ++depth_;
  const SubunitGroup* previous = nullptr;
  int index = -1;
  for (const SubunitGroup& subunits : unit.groups) {
    if (!builder_.InFilter(subunits)) continue;
    // Consecutive groups offering the same alternatives are decided once, without asking again.
    if (!previous || !SameChoices(*previous, subunits)) index = AskChoice(unit, subunits);
    if (auto child = InstantiateUserChoice(subunits, index, group.get(), named.designation))
      group->children.Append(std::move(child));
    previous = &subunits;
  }
  --depth_;
  return group;
}

int UserBuilder::AskChoice(const OrgTemplate& owner, const SubunitGroup& group) {
  if (group.choices.size() == 1 && group.choices.front().weight == 100) return 0;
  return user_.AskChoice(owner, group);
}

std::unique_ptr<OrgItem> UserBuilder::InstantiateUserChoice(const SubunitGroup& group, int index,
                                                            OrgGroup* parent,
                                                            const String& designation) {
  if (index < 0 || static_cast<std::size_t>(index) >= group.choices.size()) return nullptr;
  const UnitTemplate& chosen = *group.choices[static_cast<std::size_t>(index)].item;
  const NameAndDesignation named = MakeNameByUser(group.name.View(), designation, chosen);
  return InstantiateByUser(chosen, named.designation, parent, named.name.View());
}

NameAndDesignation UserBuilder::MakeNameByUser(std::string_view pattern, const String& inherited,
                                               const UnitTemplate& unit) {
  const std::size_t at = FindNameMarker(pattern);
  if (at == std::string_view::npos || (pattern[at] != '$' && pattern[at] != '@'))
    return builder_.MakeName(pattern, inherited, unit);
  // The user types the designation in full: no range is read and no ending is added.
  const std::string_view following = SkipNumberRange(pattern.substr(at + 1));
  const String answer = user_.AskDesignation(following);
  String designation(answer.View().substr(0, kDesignationLimit));
  return {designation + following, std::move(designation)};
}

}  // namespace valdren
