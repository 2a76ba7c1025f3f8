#include "oob/Random.h"

#include <gtest/gtest.h>

#include <ctime>

namespace valdren {
namespace {

struct StepCase {
  std::uint32_t state;
  std::uint32_t next;
  double value;
};

class RandomStep : public testing::TestWithParam<StepCase> {};

TEST_P(RandomStep, AdvancesTheStateAndScalesItsLow31Bits) {
  const StepCase& c = GetParam();
  Random random(c.state);
  EXPECT_EQ(random.Next(), c.value);
  EXPECT_EQ(random.State(), c.next);
}

// 1103515245 * 4005161829 = 1 (mod 2^32), so the seed below is the state that steps to
// 0x80000000: (0x80000000 - 12345) * 4005161829 mod 2^32.
INSTANTIATE_TEST_SUITE_P(
    States, RandomStep,
    testing::Values(StepCase{0, 12345, 12345 / 2147483648.0},
                    StepCase{1, 1103527590, 1103527590 / 2147483648.0},
                    StepCase{static_cast<std::uint32_t>((0x80000000ull - 12345) * 4005161829ull),
                             0x80000000u, 0.0}));

TEST(Random, TheDefaultSeedIsTheClockInSeconds) {
  const auto before = static_cast<std::uint32_t>(std::time(nullptr));
  const Random random;
  const auto after = static_cast<std::uint32_t>(std::time(nullptr));
  // Unsigned differences: a state below the first reading wraps round and fails too.
  EXPECT_LE(random.State() - before, after - before);
}

}  // namespace
}  // namespace valdren
