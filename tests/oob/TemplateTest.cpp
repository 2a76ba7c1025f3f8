// Templates and their lookups, date ranges and echelon letters; nations and their name lists; the
// generator every random choice draws from.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "oob/NameLists.h"
#include "oob/Random.h"
#include "support/GameFolder.h"
#include "support/TestData.h"

namespace valdren {
namespace {

TEST(DateRange, ComparesYearFirstThenMonthBothEndsIncluded) {
  constexpr DateRange kDefault{}, kMarch42{3, 42, 3, 42}, kBackwards{6, 44, 6, 43};
  const struct {
    DateRange range;
    int month, year;
    bool in;
  } cases[] = {{kDefault, 6, 41, true},   {kDefault, 5, 41, false}, {kDefault, 12, 45, true},
               {kDefault, 1, 46, false},  {kDefault, 1, 42, true},  {kDefault, 12, 40, false},
               {kMarch42, 3, 42, true},   {kMarch42, 2, 42, false}, {kMarch42, 4, 42, false},
               {kBackwards, 6, 44, false}};
  for (const auto& c : cases)
    EXPECT_EQ(c.range.InDateRange(c.month, c.year), c.in)
        << c.month << "/" << c.year << " in " << test::Dates(c.range);
}

TEST(OobDatabase, FindsTheFirstTemplateLoadedOfTheEchelon) {
  test::TestDatabase data;
  const UnitTemplate* company = data.Org(kCompany, 1234, "Company");
  const UnitTemplate* first = data.Org(kBattalion, 1234, "First battalion");
  data.Org(kBattalion, 1234, "Second battalion");
  EXPECT_EQ(data.database.Find(kBattalion, 1234), first);
  EXPECT_EQ(data.database.Find(kCompany, 1234), company);
  EXPECT_EQ(data.database.Find(-1, 1234), nullptr);
  EXPECT_EQ(data.database.Find(kEchelonCount, 1234), nullptr);
}

TEST(Echelon, LettersBothWays) {
  const char letters[] = "PCBRGDKA";
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    EXPECT_EQ(EchelonLetter(echelon), letters[echelon]);
    EXPECT_EQ(EchelonFromLetter(letters[echelon]), echelon);
  }
  for (const char other : {'c', 'X', '0', '\xff'})
    EXPECT_EQ(EchelonFromLetter(other), kPlatoon) << other;
}

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

using Texts = std::vector<std::string>;

Texts TextsOf(const NameLists::List& list) {
  Texts texts;
  for (const String& name : list)
    texts.emplace_back(name.View());
  return texts;
}

// Every line is an entry, blank ones too, kept byte for byte; the last needs no line end.
TEST(NameLists, LoadAllReadsEachNationsFilesIntoTheirLists) {
  test::GameFolder folder;
  folder.Write("leader0.oob", "Kurz\r\n\r\n  von M\xfcller \t\r\nLang");
  folder.Write("leader01.oob", "not a nation's file");
  folder.Write("company0.txt", "1st\x1a\n2nd\n");
  folder.Write("army19.txt", "First Army");
  folder.Write("platoon0.txt", "never read");
  std::filesystem::create_directory(folder.Path() / "corps2.txt");

  NameLists lists;
  lists.LoadAll(folder.Path());
  EXPECT_EQ(TextsOf(lists.leaderNames[0]), (Texts{"Kurz", "", "  von M\xfcller \t", "Lang"}));
  EXPECT_EQ(TextsOf(lists.unitNames[0][kCompany]), Texts{"1st"});
  EXPECT_EQ(TextsOf(lists.unitNames[19][kArmy]), Texts{"First Army"});
  // Not the files of nation 1's leaders, of platoons, nor a folder.
  EXPECT_TRUE(lists.leaderNames[1].empty());
  EXPECT_TRUE(lists.unitNames[0][kPlatoon].empty());
  EXPECT_TRUE(lists.unitNames[2][kCorps].empty());
}

// Nations 1 to 6 and the digits 20 to 25 beyond the named nations are the Axis.
TEST(Nations, SidesAndTheNameOfNone) {
  EXPECT_EQ(NationName(20), "Unknown");
  EXPECT_EQ(NationName(-1), "Unknown");
  std::string sides;
  for (int nation = 0; nation <= 25; ++nation)
    sides += IsAxis(nation) ? 'A' : '-';
  EXPECT_EQ(sides, "-" + std::string(6, 'A') + std::string(13, '-') + std::string(6, 'A'));
}

}  // namespace
}  // namespace valdren
