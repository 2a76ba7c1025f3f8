// The model against the plain fill on many generated databases: shared templates reached through
// several paths, groups and choices out of range, groups without choices, category 5 platoons,
// templates of nations without a row, dates before, inside and after every range.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CatalogMirror.h"
#include "CatalogTestData.h"
#include "catalog/CatalogModel.h"

namespace valdren::test {
namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  void Fill(TestDatabase& data) {
    std::vector<const UnitTemplate*> loaded;
    const int platoons = Between(3, 10);
    for (int i = 0; i < platoons; ++i)
      loaded.push_back(data.Platoon(PlatoonReference(Nation(), Between(0, 9), i),
                                    "P" + std::to_string(i), Between(-5, 50), Range()));
    int serial = 0;
    for (int echelon = 1; echelon <= 7; ++echelon) {
      const int count = Between(0, 5);
      for (int i = 0; i < count; ++i, ++serial) {
        OrgTemplate* const org =
            data.Org(echelon, OrgReference(Nation(), serial),
                     std::string(1, "xCBRGDKA"[echelon]) + std::to_string(i), Range());
        const int groups = Between(0, 3);
        for (int g = 0; g < groups; ++g) {
          TestDatabase::Choices choices;
          const int choiceCount = Chance(10) ? 0 : Between(1, 3);
          for (int c = 0; c < choiceCount; ++c)
            choices.push_back({Pick(loaded), Probability()});
          TestDatabase::Group(org, "g" + std::to_string(g), choices, Range());
        }
        loaded.push_back(org);
      }
    }
  }

  CatalogDate Date() { return {Between(1, 12), Between(39, 45)}; }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
  // Recent templates half of the time, so breakdowns nest deeply and share much.
  const UnitTemplate* Pick(const std::vector<const UnitTemplate*>& loaded) {
    const int last = static_cast<int>(loaded.size()) - 1;
    return loaded[Chance(50) ? Between(std::max(0, last - 6), last) : Between(0, last)];
  }
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  int Nation() {
    static constexpr int kNations[] = {0, 1, 9, 25};
    return kNations[Between(0, 3)];
  }
  int Probability() {
    if (Chance(50)) return 100;
    return Chance(20) ? 0 : Between(1, 99);
  }
  DateRange Range() {
    if (Chance(60)) return kAlways;
    return {Between(1, 12), Between(39, 45), Between(1, 12), Between(39, 45)};
  }

  std::mt19937 random_;
};

std::vector<int> PresentNations(const CatalogModel& model) {
  std::vector<int> nations;
  for (int nation = 0; nation < 20; ++nation)
    if (model.IsPresent(nation)) nations.push_back(nation);
  return nations;
}

void ExpectSame(const CatalogModel& model, const RecordedMessages& shown,
                const EagerCatalog& eager) {
  ASSERT_EQ(shown.texts, eager.messages);
  for (const std::string& caption : shown.captions)
    EXPECT_EQ(caption, "Internal Data Error");
  const TreeRow mirror = Mirror(model, model.Root());
  ASSERT_EQ(Render(mirror), Render(eager.root));
  EXPECT_TRUE(mirror == eager.root);  // the very templates, not only their numbers
  EXPECT_TRUE(MirrorEntries(model, model.Entry(model.Root())) == eager.root);
}

class AgreesWithEagerFill : public testing::TestWithParam<unsigned> {};

TEST_P(AgreesWithEagerFill, RowsAndMessagesAfterExpandingAndChangingTheDate) {
  Generator generator(GetParam());
  TestDatabase data;
  generator.Fill(data);
  const CatalogDate first = generator.Date();
  const CatalogDate second = generator.Date();

  RecordedMessages shown;
  CatalogModel model(data.Database(), shown);
  model.SetFilterDate(first);
  EagerCatalog eager(data.Database(), first);
  ASSERT_TRUE(shown.texts.empty());

  // Every other nation is expanded; the rest stay collapsed through the date change.
  std::vector<int> expanded;
  const std::vector<int> present = PresentNations(model);
  for (std::size_t i = 0; i < present.size(); i += 2) {
    model.OnCatalogExpanding(model.NationRow(present[i]), true);
    eager.FillNation(present[i]);
    expanded.push_back(present[i]);
  }
  ExpectSame(model, shown, eager);

  model.SetFilterDate(second);
  eager.Refresh(second, expanded);
  ExpectSame(model, shown, eager);

  // Now the collapsed ones too, at the new date.
  for (const int nation : present) {
    model.OnCatalogExpanding(model.NationRow(nation), true);
    eager.FillNation(nation);
  }
  ExpectSame(model, shown, eager);
}

INSTANTIATE_TEST_SUITE_P(GeneratedDatabases, AgreesWithEagerFill, testing::Range(1u, 301u));

}  // namespace
}  // namespace valdren::test
