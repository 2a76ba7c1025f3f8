#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalog/CatalogEntry.h"

namespace valdren {

class CatalogMessages;

// Finds the "Missing subunits for: " messages that the complete breakdown of a template shows at
// one date, in the order a depth-first walk of the breakdown meets them and once for every place
// where they appear, without walking the breakdown itself.
//
// Whether a template's breakdown holds a message depends only on the template and the date, so
// each template is examined once per date and remembered as a short plan: the messages of its
// own groups and the alternatives under which further messages lie, with chains that lead to a
// single alternative cut short. Reporting follows only those plans, so its cost grows with the
// messages shown, not with the size or depth of the breakdown, and a breakdown without a message
// costs one look at each distinct template in it.
class MissingSubunits {
 public:
  explicit MissingSubunits(CatalogDate date = {}) : date_(date) {}

  CatalogDate Date() const { return date_; }
  // Forgets every plan: they hold only at the date they were made for.
  void SetDate(CatalogDate date);

  // Shows every message of the breakdown of the template whose row shows ownerText (a group of
  // the template with no choice in range names that text).
  void Report(const OrgTemplate& unit, std::string_view ownerText, CatalogMessages& messages);

  // True when the breakdown of the template shows no message at the date.
  bool IsComplete(const OrgTemplate& unit);

 private:
  // One step of a template's plan, in the order of the walk.
  struct Step {
    enum Kind { kGroupMessage, kTemplateMessage, kChoice } kind;
    const SubunitGroup* group = nullptr;  // kGroupMessage
    const OrgTemplate* unit = nullptr;    // kChoice: an alternative with messages below
    int probability = 0;                  // kChoice
  };
  using Plan = std::vector<Step>;

  // The plan of the template, made first for every template below it that has none yet. The
  // reference graph has no cycles (a template only names templates loaded before it).
  const Plan& PlanOf(const OrgTemplate& unit);
  Plan MakePlan(const OrgTemplate& unit) const;

  CatalogDate date_;
  std::unordered_map<const OrgTemplate*, Plan> plans_;
};

}  // namespace valdren
