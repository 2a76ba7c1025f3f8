#include "oob/Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

namespace valdren {
namespace {

// 1103515245 * 4005161829 = 1 (mod 2^32), so the last seed below is the state that steps to
// 0x80000000, whose top bit must not count: (0x80000000 - 12345) * 4005161829 mod 2^32.
TEST(Random, AdvancesTheStateAndScalesItsLow31Bits) {
  const struct {
    std::uint32_t state, next;
    double value;
  } cases[] = {
      {0, 12345, 12345 / 2147483648.0},
      {1, 1103527590, 1103527590 / 2147483648.0},
      {static_cast<std::uint32_t>((0x80000000ull - 12345) * 4005161829ull), 0x80000000u, 0.0}};
  for (const auto& c : cases) {
    Random random(c.state);
    EXPECT_EQ(random.Next(), c.value) << c.state;
    EXPECT_EQ(random.State(), c.next) << c.state;
  }
}

TEST(Random, TheDefaultSeedIsTheClockInSeconds) {
  const auto before = static_cast<std::uint32_t>(std::time(nullptr));
  const Random random;
  const auto after = static_cast<std::uint32_t>(std::time(nullptr));
  // Unsigned differences: a state below the first reading wraps round and fails too.
  EXPECT_LE(random.State() - before, after - before);
}

}  // namespace
}  // namespace valdren
