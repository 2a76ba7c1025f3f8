#include "builder/IssuedNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace valdren {
namespace {

IssuedNumbers Issue(std::initializer_list<std::pair<int, int>> runs) {
  IssuedNumbers issued;
  for (const auto& [first, last] : runs)
    for (long long n = first; n <= last; ++n)
      issued.Insert(static_cast<int>(n));
  return issued;
}

TEST(IssuedNumbers, FirstFreeLooksUpToHiThenFromLo) {
  const struct {
    std::initializer_list<std::pair<int, int>> issued;
    int n, lo, hi;
    std::optional<int> expected;
  } cases[] = {
      {{}, 5, 1, 10, 5},
      {{{5, 5}}, 5, 1, 10, 6},
      {{{5, 7}}, 5, 1, 10, 8},
      {{{5, 10}}, 5, 1, 10, 1},
      {{{5, 12}}, 5, 1, 10, 1},  // nothing above hi is offered
      {{{1, 2}, {5, 10}}, 5, 1, 10, 3},
      {{{1, 4}, {6, 10}}, 8, 1, 10, 5},
      {{{1, 10}}, 5, 1, 10, std::nullopt},
      {{{1, 10}}, 1, 1, 10, std::nullopt},
      {{{3, 3}}, 3, 3, 3, std::nullopt},
      {{{0, 20}}, 5, 1, 10, std::nullopt},  // nothing below lo is offered either
      {{{INT_MAX - 1, INT_MAX}}, INT_MAX, INT_MAX - 5, INT_MAX, INT_MAX - 5},
      {{{INT_MAX - 5, INT_MAX}}, INT_MAX, INT_MAX - 5, INT_MAX, std::nullopt},
  };
  for (const auto& c : cases) {
    const IssuedNumbers issued = Issue(c.issued);
    EXPECT_EQ(issued.FirstFree(c.n, c.lo, c.hi), c.expected)
        << c.n << " in " << c.lo << ".." << c.hi;
  }
}

TEST(IssuedNumbers, HoldsEachNumberOnceInWhateverOrderItCame) {
  IssuedNumbers issued;
  for (int n : {7, 3, 5, 4, 6, 5, 3, 10, INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1, 9})
    issued.Insert(n);
  EXPECT_EQ(issued.Size(), 11u);
  for (int n : {3, 4, 5, 6, 7, 9, 10, INT_MAX, INT_MAX - 1, INT_MIN, INT_MIN + 1})
    EXPECT_TRUE(issued.Contains(n)) << n;
  for (int n : {2, 8, 11, 0, INT_MAX - 2, INT_MIN + 2})
    EXPECT_FALSE(issued.Contains(n)) << n;
  // 8 joins 3..7 and 9..10 into one run.
  issued.Insert(8);
  EXPECT_EQ(issued.FirstFree(3, 3, 11), 11);
  EXPECT_EQ(issued.FirstFree(10, 3, 10), std::nullopt);
}

}  // namespace
}  // namespace valdren
