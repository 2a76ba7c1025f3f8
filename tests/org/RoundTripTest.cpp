#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "org/OrgFile.h"
#include "org/OrgTrees.h"

namespace valdren {
namespace {

using test::Dump;

class RandomOrganization {
 public:
  explicit RandomOrganization(std::uint32_t seed) : random_(seed) {}

  void Build(OrgRoot& root) {
    root.nextId = Int();
    root.month = Int();
    root.year = Int();
    const int count = Below(6);
    for (int i = 0; i < count; ++i)
      AddItem(root, nullptr, 0);
  }

 private:
  void AddItem(OrgRoot& root, OrgGroup* group, int depth) {
    const bool isGroup = depth < 5 && Below(3) == 0;
    OrgItem& item =
        test::Add(root, group, isGroup ? 1 + Below(7) : 0, Reference(), Int(), Int(), Name());
    if (!isGroup) return;
    const int count = Below(5);
    for (int i = 0; i < count; ++i)
      AddItem(root, item.AsGroup(), depth + 1);
  }

  int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

  int Int() {
    switch (Below(3)) {
      case 0:
        return Below(10);
      case 1:
        return Below(100000);
      default:
        return std::uniform_int_distribution<int>(std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max())(random_);
    }
  }

  std::uint32_t Reference() {
    if (Below(8) == 0) return 0;
    return Below(2) ? static_cast<std::uint32_t>(Below(10000000)) : random_();
  }

  // Any byte but the line ends, the end-of-text byte and NUL, which the file cannot carry.
  char OddByte() {
    for (;;) {
      const int byte = 1 + Below(255);
      if (byte != '\n' && byte != '\r' && byte != 26) return static_cast<char>(byte);
    }
  }

  std::string Name() {
    switch (Below(5)) {
      case 0:
        return "";
      case 1:
        return std::string(1 + Below(3), ' ') + "1st Rifle Platoon" +
               std::string(1 + Below(3), ' ');
      case 2: {
        std::string name(static_cast<std::size_t>(1 + Below(40)), ' ');
        for (char& c : name)
          c = OddByte();
        return name;
      }
      case 3: {
        std::string name(static_cast<std::size_t>(900 + Below(123)), 'x');
        for (char& c : name)
          if (Below(4) == 0) c = OddByte();
        return name;
      }
      default:
        return std::string(1 + Below(3), ' ');
    }
  }

  std::mt19937 random_;
};

TEST(OrgRoundTrip, AnyOrganizationReadsBackAsWritten) {
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    OrgRoot root;
    RandomOrganization(seed).Build(root);
    const std::string file = WriteOrganization(root);
    OrgRoot back;
    ASSERT_TRUE(ReadOrganization(back, file)) << "seed " << seed;
    ASSERT_EQ(Dump(back), Dump(root)) << "seed " << seed;
    EXPECT_EQ(back.version, 1);
    EXPECT_EQ(back.nextId, root.nextId);
    EXPECT_EQ(back.month, root.month);
    EXPECT_EQ(back.year, root.year);
    ASSERT_EQ(WriteOrganization(back), file) << "seed " << seed;
  }
}

}  // namespace
}  // namespace valdren
