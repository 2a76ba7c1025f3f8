#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace valdren {

class OobDatabase;
class OrgItem;
class OrgRoot;

// The chart of an order of battle: one box for the chosen item (or the whole organization) and
// one for each group below it down to the depth, placed as a tidy tree drawn top down (TidyLayout),
// each level a row. Platoons are never boxes of their own, save a platoon charted alone: the
// platoons of a group, and below the depth all of its subordinates, fold into count lines in its
// box ("3 × Schuetzenzug 1939"), one for each template (named without its naming pattern), in the
// order of the strength table. A box below the top whose boxes below are all the last of their
// branch lists them in a column under it, so that a deep chart is not one long row. A box shows
// the unit-size mark of its echelon above its frame, the nation's emblem, the name, and the
// strength: platoons, units and value. The same organization gives the same chart, to the byte of
// its SVG (ChartSvg), on every system.
inline constexpr int kDefaultChartDepth = 2;
// The echelon of the box that stands for the whole organization: no mark, no emblem.
inline constexpr int kOrganizationBox = -1;

// Items that share a template, below a box: how many, and the template's name (the first such
// item's own when the database lacks the template). Game text.
struct ChartCount {
  std::int64_t count = 0;
  std::string name;
};

struct ChartBox {
  int parent = -1;  // the box above, -1 for the top one
  int level = 0;    // 0 at the top
  int echelon = kOrganizationBox;
  int nation = -1;   // the emblem's nation, -1 for none
  std::string name;  // game text, as every text of the chart
  std::string strength;
  std::vector<ChartCount> counts;
  bool stacked = false;  // the boxes below stand in a column under this one, not in a row
  // The frame, in pixels from the chart's top left corner; the mark stands above it.
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

struct Chart {
  std::vector<ChartBox> boxes;  // in pre-order, the top box first
  int depth = 0;
  double width = 0;
  double height = 0;
};

// The sizes a box is drawn at, in pixels, shared by the layout and the SVG writer.
struct ChartMetrics {
  static constexpr double kMargin = 12;
  static constexpr double kPadding = 6;        // between the frame and the text
  static constexpr double kHeaderHeight = 21;  // the band with the emblem and the name
  static constexpr double kLineHeight = 13;    // of the strength and count lines
  static constexpr double kCountsTop = kHeaderHeight + kLineHeight + 6;  // their rule, in a box
  static constexpr double kNameSize = 11;                                // bold
  static constexpr double kTextSize = 10;
  static constexpr double kEmblemGap = 5;   // between the emblem and the name
  static constexpr double kImageScale = 2;  // of the marks; the emblems stay at 18 by 12
  static constexpr double kMarkAbove = 5.5 * kImageScale;  // the tree image's frame starts there
  static constexpr double kLevelGap = 40;  // between one row's bottom and the next's frames
  static constexpr double kSiblingGap = 12;
  static constexpr double kStackIndent = 16;            // of a column, from its box's left edge
  static constexpr double kStackGap = kMarkAbove + 8;   // above each box of a column
  static constexpr double kMinWidth = 120;
};

// The chart of the item and everything below it, down to depth levels (0: its box alone).
Chart MakeChart(const OrgItem& item, const OobDatabase& database, int depth);
// The chart of the whole organization: a box for it above its top-level items.
Chart MakeChart(const OrgRoot& organization, const OobDatabase& database, int depth);

}  // namespace valdren
