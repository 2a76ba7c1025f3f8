#include "catalog/MissingSubunits.h"

#include <cstddef>

#include "catalog/CatalogMessages.h"
#include "catalog/CatalogTexts.h"

namespace valdren {

void MissingSubunits::SetDate(CatalogDate date) {
  date_ = date;
  plans_.clear();
}

bool MissingSubunits::IsComplete(const OrgTemplate& unit) {
  return PlanOf(unit).empty();
}

void MissingSubunits::Report(const OrgTemplate& unit, std::string_view ownerText,
                             CatalogMessages& messages) {
  // The walk keeps its own stack: a chain of templates naming each other can be far deeper than
  // the program's stack would allow.
  struct Frame {
    const Plan* plan;
    std::size_t next;
    const OrgTemplate* unit;
    String ownerText;  // the text of the row that owns the template's groups
  };
  std::vector<Frame> frames;
  frames.push_back({&PlanOf(unit), 0, &unit, String(ownerText)});
  while (!frames.empty()) {
    Frame& frame = frames.back();
    if (frame.next == frame.plan->size()) {
      frames.pop_back();
      continue;
    }
    const Step& step = (*frame.plan)[frame.next++];
    switch (step.kind) {
      case Step::kGroupMessage:
        messages.Show(MissingGroupText(*step.group, frame.ownerText.View()).View(),
                      kInternalDataError);
        break;
      case Step::kTemplateMessage:
        messages.Show(MissingTemplateText(*frame.unit).View(), kInternalDataError);
        break;
      case Step::kChoice: {
        const Plan* const below = &plans_.at(step.unit);
        frames.push_back({below, 0, step.unit, ChoiceText(step.probability, *step.unit)});
        break;
      }
    }
  }
}

const MissingSubunits::Plan& MissingSubunits::PlanOf(const OrgTemplate& unit) {
  if (const auto found = plans_.find(&unit); found != plans_.end()) return found->second;
  // Plans are made bottom up, each after those of the alternatives below it, with a stack of
  // its own for the same reason as the report's.
  struct Pending {
    const OrgTemplate* unit;
    bool belowQueued;
  };
  std::vector<Pending> pending{{&unit, false}};
  while (!pending.empty()) {
    Pending& top = pending.back();
    const OrgTemplate* const current = top.unit;
    if (plans_.contains(current)) {
      pending.pop_back();
    } else if (top.belowQueued) {
      pending.pop_back();
      plans_.emplace(current, MakePlan(*current));
    } else {
      top.belowQueued = true;
      for (const SubunitGroup& group : current->groups) {
        if (!group.InDateRange(date_.month, date_.year)) continue;
        for (const SubunitChoice& choice : group.choices) {
          const OrgTemplate* const below = AsOrg(choice.item);
          if (below && below->InDateRange(date_.month, date_.year) && !plans_.contains(below))
            pending.push_back({below, false});
        }
      }
    }
  }
  return plans_.at(&unit);
}

MissingSubunits::Plan MissingSubunits::MakePlan(const OrgTemplate& unit) const {
  Plan plan;
  bool anyGroup = false;
  for (const SubunitGroup& group : unit.groups) {
    if (!group.InDateRange(date_.month, date_.year)) continue;
    anyGroup = true;
    bool anyChoice = false;
    for (const SubunitChoice& choice : group.choices) {
      if (!choice.item->InDateRange(date_.month, date_.year)) continue;
      anyChoice = true;
      const OrgTemplate* const below = AsOrg(choice.item);
      if (!below) continue;
      const Plan& belowPlan = plans_.at(below);
      if (belowPlan.empty()) continue;
      // When all the messages below lie under a single alternative of the template below, its
      // own text plays no part in them: going straight to that alternative keeps the walk to
      // the messages short, however long a chain of templates leads to them.
      if (belowPlan.size() == 1 && belowPlan.front().kind == Step::kChoice)
        plan.push_back(belowPlan.front());
      else
        plan.push_back({.kind = Step::kChoice, .unit = below, .probability = choice.weight});
    }
    if (!anyChoice) plan.push_back({.kind = Step::kGroupMessage, .group = &group});
  }
  // A template without any group is a complete breakdown of nothing; one whose groups all lie
  // outside the date is reported.
  if (!anyGroup && !unit.groups.empty()) plan.push_back({.kind = Step::kTemplateMessage});
  return plan;
}

}  // namespace valdren
