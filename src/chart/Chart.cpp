#include "chart/Chart.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

#include "builder/Naming.h"
#include "chart/TextWidth.h"
#include "chart/TidyTree.h"
#include "oob/Nations.h"
#include "oob/OobDatabase.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"
#include "org/Strength.h"

namespace valdren {

namespace {

using M = ChartMetrics;

// What a template's name says of the kind of unit, without the naming pattern the builder fills
// in: "$(1-36). Panzer-Regiment" counts as "Panzer-Regiment", "Infanterie-Regiment &" as
// "Infanterie-Regiment".
std::string KindName(std::string_view name) {
  const std::size_t marker = FindNameMarker(name);
  if (marker == std::string_view::npos) return std::string(name);
  std::string_view after = name.substr(marker + 1);
  if (name[marker] == '$' || name[marker] == '@') after = SkipNumberRange(after);
  std::string kind = std::string(name.substr(0, marker)) + std::string(after);
  const std::size_t first = kind.find_first_not_of(". ");
  const std::size_t last = kind.find_last_not_of(' ');
  return first == std::string::npos ? std::string(name) : kind.substr(first, last + 1 - first);
}

// Folded items by template, in the strength table's order.
std::vector<ChartCount> Counts(const std::vector<const OrgItem*>& items,
                               const OobDatabase& database) {
  struct Entry {
    int echelon;
    std::uint32_t reference;
    ChartCount count;
  };
  std::vector<Entry> entries;
  std::map<std::pair<int, std::uint32_t>, std::size_t> found;
  for (const OrgItem* item : items) {
    const auto [at, added] = found.try_emplace({item->echelon, item->reference}, entries.size());
    if (added) {
      const UnitTemplate* unit = database.Find(item->echelon, item->reference);
      entries.push_back({item->echelon,
                         item->reference,
                         {0, unit ? KindName(unit->name.View()) : item->name.Std()}});
    }
    ++entries[at->second].count.count;
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return std::tuple(TableOrder(a.count.count, a.count.name, a.reference), a.echelon) <
           std::tuple(TableOrder(b.count.count, b.count.name, b.reference), b.echelon);
  });
  std::vector<ChartCount> counts;
  counts.reserve(entries.size());
  for (Entry& entry : entries)
    counts.push_back(std::move(entry.count));
  return counts;
}

// Whole pixels, and an odd width, so that frames and lines fall on the pixel grid.
double BoxWidth(const ChartBox& box) {
  const double emblem = box.nation >= 0 ? 18 + M::kEmblemGap : 0;
  double text = emblem + TextWidth(box.name, M::kNameSize, FontWeight::kBold);
  text = std::max(text, TextWidth(box.strength, M::kTextSize, FontWeight::kNormal));
  for (const ChartCount& count : box.counts)
    text = std::max(text, TextWidth(WithThousands(count.count) + " \xd7 " + count.name,
                                    M::kTextSize, FontWeight::kNormal));
  const double width = std::max(M::kMinWidth, std::ceil(text + 2 * M::kPadding));
  return std::fmod(width, 2) == 0 ? width + 1 : width;
}

double BoxHeight(const ChartBox& box) {
  const double counts =
      box.counts.empty() ? 0 : 4 + M::kLineHeight * static_cast<double>(box.counts.size());
  return M::kCountsTop + counts;
}

class ChartMaker {
 public:
  ChartMaker(const OobDatabase& database, int depth) : database_(database), depth_(depth) {
    chart_.depth = depth;
  }

  void AddItem(const OrgItem& item, int parent, int level) {
    const int index = AddBox(parent, level, item.echelon, item.name.Std());
    const int nation = item.Nation();
    Box(index).nation = nation >= 0 && nation < kNationCount ? nation : -1;
    Box(index).strength = StrengthCounts(StrengthOf(item, database_));
    if (const OrgGroup* group = item.AsGroup()) AddBelow(group->children, index, level);
  }

  void AddOrganization(const OrgRoot& organization) {
    const int index = AddBox(-1, 0, kOrganizationBox, "Organization");
    Box(index).strength = StrengthCounts(StrengthOf(organization, database_));
    AddBelow(organization.items, index, 0);
  }

  // Sizes each box for its text, then places them: a tidy tree of rows, in which a column hangs
  // from its box as a chain, each of its boxes the only child of the one above. So the column
  // keeps its room on every row it reaches down to, and a box below it in a neighbouring branch
  // stands on a row the column has left.
  Chart Place() && {
    for (ChartBox& box : chart_.boxes) {
      box.width = BoxWidth(box);
      box.height = BoxHeight(box);
    }
    Stack();
    const std::size_t count = chart_.boxes.size();
    std::vector<int> parents(count, -1);
    std::vector<double> widths(count);
    std::vector<std::size_t> rows(count, 0);
    std::vector<double> rowHeights;
    for (std::size_t i = 0; i < count; ++i) {
      const ChartBox& box = chart_.boxes[i];
      widths[i] = box.width;
      if (box.parent >= 0) {
        const bool inColumn = Box(box.parent).stacked;
        parents[i] = inColumn && i - 1 != static_cast<std::size_t>(box.parent)
                         ? static_cast<int>(i - 1)
                         : box.parent;
        rows[i] = rows[static_cast<std::size_t>(parents[i])] + 1;
        if (inColumn) widths[i] = Box(box.parent).width;
      }
      if (rowHeights.size() <= rows[i]) rowHeights.push_back(0);
      rowHeights[rows[i]] = std::max(rowHeights[rows[i]], box.height);
    }
    std::vector<double> rowTops{M::kMargin + M::kMarkAbove};
    for (const double height : rowHeights)
      rowTops.push_back(rowTops.back() + height + M::kLevelGap);
    const std::vector<double> centres = TidyLayout(parents, widths, M::kSiblingGap);
    for (std::size_t i = 0; i < count; ++i) {
      ChartBox& box = chart_.boxes[i];
      box.x = std::round(M::kMargin + centres[i] - widths[i] / 2);
      box.y = rowTops[rows[i]];
      if (box.parent >= 0 && Box(box.parent).stacked) {
        const ChartBox& above = chart_.boxes[static_cast<std::size_t>(parents[i])];
        box.x += M::kStackIndent;
        box.y = above.y + above.height + M::kStackGap;
      }
      chart_.width = std::max(chart_.width, box.x + box.width + M::kMargin);
      chart_.height = std::max(chart_.height, box.y + box.height + M::kMargin);
    }
    return std::move(chart_);
  }

 private:
  ChartBox& Box(int index) { return chart_.boxes[static_cast<std::size_t>(index)]; }

  int AddBox(int parent, int level, int echelon, std::string name) {
    ChartBox& box = chart_.boxes.emplace_back();
    box.parent = parent;
    box.level = level;
    box.echelon = echelon;
    box.name = std::move(name);
    return static_cast<int>(chart_.boxes.size() - 1);
  }

  // A box below the top whose boxes below have none of their own stacks them: it takes the
  // column's width, and the column's boxes one width, so that their edges line up.
  void Stack() {
    std::vector<bool> hasBoxes(chart_.boxes.size(), false);
    for (const ChartBox& box : chart_.boxes)
      if (box.parent >= 0) hasBoxes[static_cast<std::size_t>(box.parent)] = true;
    for (std::size_t i = 0; i < chart_.boxes.size(); ++i)
      chart_.boxes[i].stacked = chart_.boxes[i].level > 0 && hasBoxes[i];
    for (std::size_t i = 0; i < chart_.boxes.size(); ++i)
      if (hasBoxes[i] && chart_.boxes[i].parent >= 0) Box(chart_.boxes[i].parent).stacked = false;
    for (ChartBox& box : chart_.boxes)
      if (box.parent >= 0 && Box(box.parent).stacked)
        Box(box.parent).width = std::max(Box(box.parent).width, M::kStackIndent + box.width);
    for (ChartBox& box : chart_.boxes)
      if (box.parent >= 0 && Box(box.parent).stacked)
        box.width = Box(box.parent).width - M::kStackIndent;
  }

  // Above the depth, a group below the box is a box of its own; the rest fold into its counts.
  void AddBelow(const OwningItemList<OrgItem>& children, int index, int level) {
    std::vector<const OrgItem*> folded;
    for (const auto& node : children) {
      const OrgItem& child = *node.item;
      if (level < depth_ && child.AsGroup())
        AddItem(child, index, level + 1);
      else
        folded.push_back(&child);
    }
    Box(index).counts = Counts(folded, database_);
  }

  const OobDatabase& database_;
  const int depth_;
  Chart chart_;
};

}  // namespace

Chart MakeChart(const OrgItem& item, const OobDatabase& database, int depth) {
  ChartMaker maker(database, depth);
  maker.AddItem(item, -1, 0);
  return std::move(maker).Place();
}

Chart MakeChart(const OrgRoot& organization, const OobDatabase& database, int depth) {
  ChartMaker maker(database, depth);
  maker.AddOrganization(organization);
  return std::move(maker).Place();
}

}  // namespace valdren
