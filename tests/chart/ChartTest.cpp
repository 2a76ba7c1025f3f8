// The chart of an organization: which items are boxes, what they count, where they stand, and
// the SVG that draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "chart/Chart.h"
#include "chart/ChartSvg.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

// A German division: its commander, a staff company, and a regiment of two battalions (the first
// of two rifle companies, the second of one) whose name needs escaping and holds a letter beyond
// ASCII.
class ChartTest : public testing::Test {
 protected:
  void SetUp() override {
    data.Platoon(PlatoonReference(1, 1, 1), "Schuetzenzug 1939", 12);
    data.Platoon(PlatoonReference(1, 4, 9), "Kommandeur - Good", 32);
    data.Org(1, OrgReference(1, 1), "Schuetzenkompanie");
    data.Org(2, OrgReference(1, 2), "Schuetzen-Bataillon");
    data.Org(3, OrgReference(1, 4), "$(1-36). Panzer-Regiment");
    division = &AddGroup(root, nullptr, kDivision, OrgReference(1, 3), 0, 8, "16. Division");
    Add(root, division, kPlatoon, PlatoonReference(1, 4, 9), 1, 8, "Genmaj Pfeiffer");
    regiment = &AddGroup(root, division, kRegiment, OrgReference(1, 4), 2, 8,
                         "Panzerj\xe4ger-Regiment <1> & Co");
    int id = 3;
    for (const int companies : {2, 1}) {
      OrgGroup& battalion = AddGroup(root, regiment, kBattalion, OrgReference(1, 2), id++);
      for (int c = 0; c < companies; ++c) {
        OrgGroup& company = AddGroup(root, &battalion, kCompany, OrgReference(1, 1), id++, 6, "Kp");
        for (int p = 0; p < 3; ++p)
          Add(root, &company, kPlatoon, PlatoonReference(1, 1, 1), id++, 6, "Zug");
      }
    }
    OrgGroup& staff = AddGroup(root, division, kCompany, OrgReference(1, 9), id++, 8, "Stab");
    Add(root, &staff, kPlatoon, PlatoonReference(1, 1, 1), id++, 8, "Zug");
    Add(root, &staff, kPlatoon, PlatoonReference(1, 4, 9), id++, 8, "Hptm");
  }
  static std::vector<std::string> Names(const Chart& chart) {
    std::vector<std::string> names;
    for (const ChartBox& box : chart.boxes)
      names.push_back(box.name);
    return names;
  }
  static std::vector<std::string> Counts(const ChartBox& box) {
    std::vector<std::string> lines;
    for (const ChartCount& count : box.counts)
      lines.push_back(std::to_string(count.count) + " " + count.name);
    return lines;
  }

  TestDatabase data;
  OrgRoot root;
  OrgGroup* division = nullptr;
  OrgGroup* regiment = nullptr;
};

// Groups down to the depth are boxes, in pre-order; platoons, and below the depth everything,
// are counted in their group's box, most first, then by name: the template's without its naming
// pattern, or the item's own when the template is missing.
TEST_F(ChartTest, GroupsAboveTheDepthAreBoxesAndTheRestIsCounted) {
  const std::string regimentName = regiment->name.Std();
  EXPECT_EQ(Names(MakeChart(*division, data.database, 0)),
            std::vector<std::string>{"16. Division"});
  const Chart one = MakeChart(*division, data.database, 1);
  EXPECT_EQ(Names(one), (std::vector<std::string>{"16. Division", regimentName, "Stab"}));
  EXPECT_EQ(Counts(one.boxes[0]), std::vector<std::string>{"1 Kommandeur - Good"});
  EXPECT_EQ(Counts(one.boxes[1]), std::vector<std::string>{"2 Schuetzen-Bataillon"});
  EXPECT_EQ(Counts(one.boxes[2]),
            (std::vector<std::string>{"1 Kommandeur - Good", "1 Schuetzenzug 1939"}));
  const Chart all = MakeChart(*division, data.database, 9);
  EXPECT_EQ(Names(all).size(), 8u);  // the division, the regiment, 2 battalions, 4 companies
  EXPECT_EQ(Counts(all.boxes[3]), std::vector<std::string>{"3 Schuetzenzug 1939"});
  EXPECT_EQ(Counts(MakeChart(*division, data.database, 0).boxes[0]),
            (std::vector<std::string>{"1 Kommandeur - Good", "1 Panzer-Regiment", "1 Stab"}));
  EXPECT_EQ(all.boxes[0].strength, "12 platoons, 4 units, value 120");
  EXPECT_EQ(all.boxes[0].echelon, kDivision);
  EXPECT_EQ(all.boxes[0].nation, 1);

  // The whole organization stands above its top-level items; a platoon charted alone is a box.
  Add(root, nullptr, kPlatoon, PlatoonReference(1, 1, 1), 99, 8, "Lone");
  const Chart organization = MakeChart(root, data.database, 1);
  EXPECT_EQ(Names(organization), (std::vector<std::string>{"Organization", "16. Division"}));
  EXPECT_EQ(organization.boxes[0].echelon, kOrganizationBox);
  EXPECT_EQ(Counts(organization.boxes[0]), std::vector<std::string>{"1 Schuetzenzug 1939"});
  EXPECT_EQ(Names(MakeChart(*root.items.Last()->item, data.database, 3)),
            std::vector<std::string>{"Lone"});
}

// Boxes, each with the mark above its frame, never overlap, stand below their parents and within
// the chart. A box whose boxes below are all the last of their branch lists them in a column
// under it, their left edges in line; the top box keeps its row. Random organizations test the
// columns against the rows of the branches beside them.
TEST_F(ChartTest, BoxesNeverOverlapAndTheLastOfEachBranchStandInColumns) {
  const auto check = [](const Chart& chart) {
    for (const ChartBox& box : chart.boxes) {
      EXPECT_GE(box.x, ChartMetrics::kMargin);
      EXPECT_LE(box.x + box.width, chart.width - ChartMetrics::kMargin);
      EXPECT_LE(box.y + box.height, chart.height - ChartMetrics::kMargin);
      if (box.parent >= 0) {
        const ChartBox& parent = chart.boxes[static_cast<std::size_t>(box.parent)];
        EXPECT_GE(box.y - ChartMetrics::kMarkAbove, parent.y + parent.height) << box.name;
      }
      for (const ChartBox& other : chart.boxes) {
        if (&other >= &box) break;
        EXPECT_TRUE(other.x + other.width <= box.x || box.x + box.width <= other.x ||
                      other.y + other.height <= box.y - ChartMetrics::kMarkAbove ||
                      box.y + box.height <= other.y - ChartMetrics::kMarkAbove)
            << other.name << " and " << box.name;
      }
    }
  };
  const Chart chart = MakeChart(*division, data.database, 9);
  check(chart);
  // The division, the regiment, its battalions in a row, and each battalion's companies in a
  // column whose boxes line up under their battalion's indent.
  ASSERT_EQ(chart.boxes.size(), 8u);
  EXPECT_FALSE(chart.boxes[0].stacked || chart.boxes[1].stacked);
  EXPECT_EQ(chart.boxes[2].y, chart.boxes[5].y);
  const ChartBox& battalion = chart.boxes[2];
  EXPECT_TRUE(battalion.stacked);
  for (const std::size_t company : {3u, 4u}) {
    EXPECT_EQ(chart.boxes[company].x, battalion.x + ChartMetrics::kStackIndent);
    EXPECT_EQ(chart.boxes[company].x + chart.boxes[company].width, battalion.x + battalion.width);
  }
  EXPECT_GT(chart.boxes[4].y, chart.boxes[3].y);
  EXPECT_FALSE(MakeChart(*regiment, data.database, 1).boxes[0].stacked);

  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    OrgRoot tree;
    std::vector<std::pair<OrgGroup*, int>> open{{nullptr, kArmy + 1}};
    int id = 0;
    while (!open.empty() && id < 60) {
      const auto [parent, echelon] = open.back();
      open.pop_back();
      for (int n = static_cast<int>(random() % 4); n > 0 && echelon > kCompany; --n) {
        OrgGroup& group = AddGroup(tree, parent, echelon - 1, OrgReference(1, 1), id++, 6,
                                   std::string(1 + random() % 30, 'W'));
        open.emplace_back(&group, echelon - 1 - static_cast<int>(random() % 2));
      }
    }
    SCOPED_TRACE(round);
    check(MakeChart(tree, data.database, 9));
  }
}

// Self-contained, named for assistive technology, UTF-8 with its markup escaped, a frame per
// box and the count lines with the multiplication sign; the same bytes every time.
TEST_F(ChartTest, TheSvgDrawsEveryBoxAndSaysTheSameEachTime) {
  const std::string svg = ChartSvg(MakeChart(*division, data.database, 2));
  EXPECT_EQ(svg, ChartSvg(MakeChart(*division, data.database, 2)));
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  for (const char* part :
       {" role=\"img\"", "<title id=\"chart-title\">Order of battle of 16. Division</title>",
        "<desc id=\"chart-desc\">16. Division: 12 platoons, 4 units, value 120. 5 boxes",
        ">Panzerj\xc3\xa4ger-Regiment &lt;1&gt; &amp; Co</text>",
        ">2 \xc3\x97 Schuetzenkompanie</text>", "<g id=\"mark-5\">", "<g id=\"emblem-1\">",
        "xlink:href=\"#mark-2\""})
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  EXPECT_EQ(svg.find("mark-0"), std::string::npos);  // no platoon is a box
  std::size_t frames = 0;
  for (std::size_t at = 0; (at = svg.find("fill=\"#ffffff\" stroke=", at)) != std::string::npos;
       ++at)
    ++frames;
  EXPECT_EQ(frames, 5u);
}

}  // namespace
}  // namespace valdren::test
