#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "cli/RunTool.h"
#include "oob/PlatoonFile.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

namespace valdren::test {
namespace {

std::string Shape(const OrgItem& item) {
  std::string shape(item.name.View());
  if (const OrgGroup* group = item.AsGroup()) {
    const char* separator = "[";
    for (const auto& node : group->children) {
      shape += separator + Shape(*node.item);
      separator = "|";
    }
    shape += group->children.Empty() ? "[]" : "]";
  }
  return shape;
}

// A German division of one regiment of two companies, a leader list and a regiment-name list.
class BuildCommand : public testing::Test {
 protected:
  void SetUp() override {
    folder.Write("platoon.obx", ScrambleFile(PlatoonLine("P1101", 0, "Schuetzenzug") +
                                             PlatoonLine("P1102", 0, "MG-Zug") +
                                             PlatoonLine("P1403", 0, "Kompaniefuehrer")));
    folder.Write("company.oob",
                 "39 1 45 12 C110001 6 Schuetzenkompanie\n"
                 "39 1 45 12 P1403 Oblt\n"
                 "39 1 45 12 (50) P1101 (50) P1102 # Zug\n"
                 "39 1 45 12 (50) P1101 (50) P1102 # Zug\n"
                 "39 1 40 12 P1102 Altzug\n\n"
                 "39 1 45 12 C110002 5 MG-Kompanie\n"
                 "39 1 45 12 P1102 MG-Zug\n");
    folder.Write("regiment.oob",
                 "39 1 45 12 R130001 7 & Regiment\n"
                 "39 1 45 12 (60) C110001 (40) C110002 $(1-3). Kompanie\n"
                 "39 1 45 12 (60) C110001 (40) C110002 $(1-3). Kompanie\n");
    folder.Write("division.oob",
                 "39 1 45 12 D150001 8 $(1-45). Infanterie-Division\n"
                 "39 1 45 12 P1403 Genmaj\n"
                 "39 1 45 12 R130001 &\n");
    folder.Write("leader1.oob", "Brandt\nKessler\n");
    folder.Write("regiment1.txt", "Infanterie-Regiment 15\nInfanterie-Regiment 47\n");
  }
  ToolResult Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "build");
    return RunIn(folder, arguments);
  }
  // The organization saved in the file, each top-level item as its shape.
  std::vector<std::string> Read(const char* name) {
    EXPECT_TRUE(ReadOrganization(root, folder.Read(name))) << name;
    std::vector<std::string> shapes;
    for (const auto& node : root.items)
      shapes.push_back(Shape(*node.item));
    return shapes;
  }

  GameFolder folder;
  OrgRoot root;
};

TEST_F(BuildCommand, TheSameSeedWritesTheSameFile) {
  const auto first = Run({"D150001", "--seed", "4294967295", "--output", "first.org"});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.err, "");
  const auto second = Run({"D150001", "--seed", "4294967295", "--output", "second.org"});
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(folder.Read("first.org"), folder.Read("second.org"));
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "error.log"));

  const auto shapes = Read("first.org");
  ASSERT_EQ(shapes.size(), 1u);
  const std::regex division(
      R"(([1-9]|[1-3][0-9]|4[0-5])\. Infanterie-Division\[Genmaj (Brandt|Kessler)\|)"
      R"(Infanterie-Regiment (15|47)\[([123])\. Kompanie\[.*\]\|(?!\4)[123]\. Kompanie\[.*\]\]\])");
  EXPECT_TRUE(std::regex_match(shapes[0], division)) << shapes[0];
  EXPECT_EQ(root.month, 6);
  EXPECT_EQ(root.year, 41);
  ItemList<OrgItem> all;
  root.items.First()->item->CollectAll(all);
  for (const auto& node : all)
    EXPECT_EQ(node.item->morale, 8) << node.item->name;
  EXPECT_EQ(root.nextId, static_cast<int>(all.Size()));
}

TEST_F(BuildCommand, TheDateIsGivenOrTakenFromTheOrganizationAppendedTo) {
  ASSERT_EQ(Run({"C110001", "--date", "05/40", "--seed", "1", "--output", "a.org"}).status, 0);
  auto shapes = Read("a.org");
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_TRUE(shapes[0].ends_with("|Altzug]")) << shapes[0];  // in range in May 1940
  EXPECT_EQ(root.month, 5);
  EXPECT_EQ(root.year, 40);

  const auto appended = Run({"C110002", "--into", "a.org", "--output", "a.org"});
  ASSERT_EQ(appended.status, 0) << appended.err;
  shapes = Read("a.org");
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(shapes[1], "MG-Kompanie[MG-Zug]");
  EXPECT_EQ(root.month, 5);
  EXPECT_EQ(root.year, 40);
  const OrgItem& company = *root.items.Last()->item;
  EXPECT_EQ(company.morale, 5);
  EXPECT_EQ(company.id, root.nextId - 2);  // after the items that were there

  const std::string before = folder.Read("a.org");
  ASSERT_EQ(Run({"C110002", "--into", "a.org", "--date", "1/43", "--output", "b.org"}).status, 0);
  EXPECT_EQ(Read("b.org").size(), 3u);
  EXPECT_EQ(root.month, 1);
  EXPECT_EQ(root.year, 43);
  EXPECT_EQ(folder.Read("a.org"), before);
}

TEST_F(BuildCommand, AnswersComeFromTheChoicesFileInTheOrderTheDialogsAsk) {
  folder.Write("answers.txt", "12\r\n1\n3\n5\n");
  const auto result =
      Run({"D150001", "--seed", "3", "--choices", "answers.txt", "--output", "out.org"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err,
            "Enter description for: . Infanterie-Division\n"
            "In: & Regiment\n"
            "Select: $(1-3). Kompanie\n"
            "  (60%) Schuetzenkompanie\n"
            "  (40%) MG-Kompanie\n"
            "Enter description for: . Kompanie\n"
            "Enter description for: . Kompanie\n");
  const auto shapes = Read("out.org");
  ASSERT_EQ(shapes.size(), 1u);
  EXPECT_TRUE(std::regex_match(
      shapes[0], std::regex(R"(12\. Infanterie-Division\[Genmaj\|Infanterie-Regiment (15|47))"
                            R"(\[3\. Kompanie\[MG-Zug\]\|5\. Kompanie\[MG-Zug\]\]\])")))
      << shapes[0];
}

TEST_F(BuildCommand, AChoiceThatIsNoNumberOrMissingDeclines) {
  for (const char* answers : {"x\n", " 7 \n", ""}) {
    folder.Write("answers.txt", answers);
    const auto result = Run({"C110001", "--choices", "answers.txt", "--output", "out.org"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "In: Schuetzenkompanie\n"
              "Select: # Zug\n"
              "  (50%) Schuetzenzug\n"
              "  (50%) MG-Zug\n");
    EXPECT_EQ(Read("out.org"), std::vector<std::string>{"Schuetzenkompanie[Oblt]"}) << answers;
  }
}

TEST_F(BuildCommand, NothingIsWrittenWhenTheTemplateOrAFileIsMissing) {
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nC110001 0 6 Kompanie\r\n    P1101 x\r\n");
  folder.Write("out.org", "kept");
  const std::vector<std::string> cases[] = {{"D150002"},
                                            {"C150001"},
                                            {"D150001", "--into", "none.org"},
                                            {"D150001", "--into", "broken.org"},
                                            {"D150001", "--choices", "none.txt"}};
  for (std::vector<std::string> arguments : cases) {
    const std::string named = arguments.back();
    arguments.insert(arguments.end(), {"--output", "out.org"});
    const auto result = Run(arguments);
    EXPECT_EQ(result.status, 1) << named;
    EXPECT_EQ(result.err.rfind("valdren: ", 0), 0u) << named << ": " << result.err;
    EXPECT_NE(result.err.find(named), std::string::npos) << named << ": " << result.err;
    EXPECT_EQ(folder.Read("out.org"), "kept") << named;
  }
  const auto result = Run({"D150001", "--output", "no/such/folder/out.org"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Unable to open file"), std::string::npos) << result.err;
}

TEST_F(BuildCommand, AnErrorInTheDatabaseIsReportedAfterBuildingWithWhatLoaded) {
  folder.Write("army.oob", "39 1 45 12 A170001 6 Armee\n39 1 45 12 D159999 Missing\n");
  const auto result = Run({"D150001", "--output", "out.org"});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("Invalid unit reference number: 159999"), std::string::npos)
      << result.err;
  EXPECT_EQ(Read("out.org").size(), 1u);
}

}  // namespace
}  // namespace valdren::test
