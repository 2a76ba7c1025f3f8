// The tidy tree's promises on trees of random shapes and sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "chart/TidyTree.h"

namespace valdren {
namespace {

constexpr double kGap = 8;
constexpr double kSlack = 1e-6;

struct Tree {
  std::vector<int> parents{-1};
  std::vector<double> widths{40};
};

// In pre-order, as charts number their boxes, bushy or deep as the seed has it: each node's
// parent is one of the last few on the path down to the node made before it.
Tree RandomTree(std::mt19937& random) {
  Tree tree;
  const int size = std::uniform_int_distribution(1, 400)(random);
  const int reach = std::uniform_int_distribution(1, 12)(random);
  std::vector<int> path{0};
  for (int i = 1; i < size; ++i) {
    const int back =
        std::uniform_int_distribution(0, std::min(reach, int(path.size()) - 1))(random);
    path.resize(path.size() - static_cast<std::size_t>(back));
    tree.parents.push_back(path.back());
    tree.widths.push_back(std::uniform_int_distribution(10, 200)(random));
    path.push_back(i);
  }
  return tree;
}

// The width of the plain layered layout, where each subtree keeps a band of its own as wide as
// its root or its children's bands side by side.
double BandWidth(const Tree& tree) {
  std::vector<double> children(tree.parents.size(), -kGap);
  std::vector<double> band(tree.parents.size());
  for (std::size_t i = tree.parents.size(); i-- > 0;) {
    band[i] = std::max(tree.widths[i], children[i]);
    if (i > 0) children[static_cast<std::size_t>(tree.parents[i])] += band[i] + kGap;
  }
  return band[0];
}

TEST(TidyTree, RandomTreesAreTidyNarrowAndTheSameEachTime) {
  std::mt19937 random(25);
  for (int round = 0; round < 300; ++round) {
    const Tree tree = RandomTree(random);
    const std::vector<double> centre = TidyLayout(tree.parents, tree.widths, kGap);
    ASSERT_EQ(centre, TidyLayout(tree.parents, tree.widths, kGap));
    const std::size_t n = tree.parents.size();
    std::vector<int> level(n, 0);
    std::vector<std::vector<std::size_t>> children(n);
    for (std::size_t i = 1; i < n; ++i) {
      level[i] = level[static_cast<std::size_t>(tree.parents[i])] + 1;
      children[static_cast<std::size_t>(tree.parents[i])].push_back(i);
    }
    // Left to right on each level, in the order of the nodes, at least the gap apart.
    std::vector<std::size_t> last(n, n);
    double left = 1e300;
    double right = -1e300;
    for (std::size_t i = 0; i < n; ++i) {
      const double half = tree.widths[i] / 2;
      left = std::min(left, centre[i] - half);
      right = std::max(right, centre[i] + half);
      auto& before = last[static_cast<std::size_t>(level[i])];
      if (before != n) {
        ASSERT_GE(centre[i] - half - (centre[before] + tree.widths[before] / 2), kGap - kSlack)
            << "round " << round << ", nodes " << before << " and " << i;
      }
      before = i;
      if (!children[i].empty()) {
        ASSERT_NEAR(centre[i], (centre[children[i].front()] + centre[children[i].back()]) / 2,
                    kSlack)
            << "round " << round << ", node " << i;
      }
    }
    EXPECT_NEAR(left, 0, kSlack);
    EXPECT_LE(right - left, BandWidth(tree) + kSlack) << "round " << round;
  }
}

// Three leaves under a root: as close as the gap lets them, the root over the middle one. A
// chain as deep as an organization never is still lays out.
TEST(TidyTree, SmallAndDeepTrees) {
  const std::vector<double> widths{30, 10, 10, 10};
  EXPECT_EQ(TidyLayout(std::vector{-1, 0, 0, 0}, widths, kGap),
            (std::vector<double>{23, 5, 23, 41}));
  std::vector<int> chain(100000);
  for (std::size_t i = 0; i < chain.size(); ++i)
    chain[i] = static_cast<int>(i) - 1;
  const std::vector<double> centres =
      TidyLayout(chain, std::vector<double>(chain.size(), 20), kGap);
  EXPECT_EQ(centres.back(), 10);
}

}  // namespace
}  // namespace valdren
