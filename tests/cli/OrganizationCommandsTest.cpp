// The commands that read and write organization files: show and build, on the shared sample
// folder.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "builder/Builder.h"
#include "builder/BuilderState.h"
#include "cli/RunTool.h"
#include "oob/ErrorLog.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "org/OrgFile.h"
#include "org/OrgTrees.h"

namespace valdren::test {
namespace {

class OrganizationCommands : public SampleFolderTest {
 protected:
  ToolResult Build(std::vector<std::string> arguments, const char* output = "out.org") {
    arguments.insert(arguments.begin(), "build");
    arguments.insert(arguments.end(), {"--output", output});
    return RunIn(folder, arguments);
  }
  // The saved organization's date and items.
  std::string Saved(const char* file, bool namesOnly = false) {
    OrgRoot root;
    EXPECT_TRUE(ReadOrganization(root, folder.Read(file))) << file;
    return std::to_string(root.month) + "/" + std::to_string(root.year) + " " +
           Dump(root, namesOnly);
  }
};
using ShowCommand = OrganizationCommands;
using BuildCommand = OrganizationCommands;

// The last name holds every byte that JSON writes as a character of its own.
TEST_F(ShowCommand, PrintsTheTreeWithUnitLinesOrJsonAndWhatWasReadBeforeAFailure) {
  std::string name = "\"Caf\\";
  std::string utf8 = name;  // each byte as the character of the same code
  for (int code = 0x80; code < 0x100; ++code) {
    name += static_cast<char>(code);
    utf8 += {static_cast<char>(0xC0 | code >> 6), static_cast<char>(0x80 | (code & 0x3F))};
  }
  folder.Write("main.org",
               "1\r\n3\r\n6 41\r\nC100001 0 7 1st Company\r\n    P1101 1 5 Zug\r\n"
               "    End\r\nP1999 2 6 " +
                   name + "\r\n");
  const auto text = RunIn(folder, {"show", "main.org"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "");
  EXPECT_EQ(text.out,
            "Created Units and Organizations\n  1st Company\n    Zug\n      Rifles (5)\n  " + name +
                "\n");  // P1999 names no template

  const auto result = RunIn(folder, {"show", "--json", "main.org"});
  ASSERT_EQ(result.status, 0) << result.err;
  // The keys come in the documented order.
  EXPECT_EQ(result.out.rfind("{\"version\":1,\"nextId\":3,\"month\":6,\"year\":41,\"items\":", 0),
            0u);
  auto expected = nlohmann::json::parse(R"({"version":1,"nextId":3,"month":6,"year":41,"items":[
      {"echelon":1,"reference":100001,"id":0,"morale":7,"name":"1st Company","children":[
        {"echelon":0,"reference":1101,"id":1,"morale":5,"name":"Zug"}]},
      {"echelon":0,"reference":1999,"id":2,"morale":6}]})");
  expected["items"][1]["name"] = utf8;
  EXPECT_EQ(nlohmann::json::parse(result.out), expected);

  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  const auto broken = RunIn(folder, {"show", "broken.org"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out, "Created Units and Organizations\n  Kept\n");
  EXPECT_EQ(broken.err, "valdren: broken.org: Error reading file\n");
}

// The tool and the editor build from the same code, so with the same seed the file is what the
// builder makes in this process.
TEST_F(BuildCommand, WritesWhatTheBuilderMakesFromTheSameSeed) {
  const auto result = Build({"B100010", "--seed", "4294967295"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  OobDatabase database;
  std::ostringstream warnings;
  ErrorLog log(warnings);
  ASSERT_EQ(database.LoadDatabase(folder.Path(), log), std::nullopt);
  const NameLists names;  // the folder has no name lists
  BuilderState state(4294967295u);
  Builder builder(state, names, 6, 41);
  const UnitTemplate& battalion = *database.Find(kBattalion, 100010);
  OrgRoot root;
  AddToOrganization(root, builder.Instantiate(battalion, "", nullptr, std::nullopt),
                    battalion.Morale());
  EXPECT_EQ(folder.Read("out.org"), WriteOrganization(root));
}

// The gun company has its guns from 1943 on.
TEST_F(BuildCommand, TheDateIsGivenOrTakenFromTheOrganizationAppendedTo) {
  ASSERT_EQ(Build({"C100002"}, "a.org").status, 0);
  EXPECT_EQ(Saved("a.org"), "6/41 C100002#0:5'Gun Company'[]");
  ASSERT_EQ(Build({"C100002", "--into", "a.org", "--date", "1/43"}, "a.org").status, 0);
  const std::string before = folder.Read("a.org");
  const std::string two =
      "1/43 C100002#0:5'Gun Company'[], C100002#1:5'Gun Company'[P1101#2:5'Guns']";
  EXPECT_EQ(Saved("a.org"), two);
  ASSERT_EQ(Build({"C100002", "--into", "a.org"}, "b.org").status, 0);
  EXPECT_EQ(Saved("b.org"), two + ", C100002#3:5'Gun Company'[P1101#4:5'Guns']");
  EXPECT_EQ(folder.Read("a.org"), before);
}

// A line answers a dialog: a designation with its text, a choice with the entry index (blanks
// around it aside); anything else, or no line, declines the choice.
TEST_F(BuildCommand, AnswersComeFromTheChoicesFileInTheOrderTheDialogsAsk) {
  const struct {
    const char* answers;
    const char* saved;
  } cases[] = {{"7th\r\n 0 \n", "6/41 7th Battalion[7th Company[Zug]]"},
               {"7th\n1", "6/41 7th Battalion[7th Company[]]"},
               {"7th\nx\n", "6/41 7th Battalion[]"},
               {"", "6/41  Battalion[]"}};
  for (const auto& c : cases) {
    folder.Write("answers.txt", c.answers);
    const auto result = Build({"B100010", "--choices", "answers.txt"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err,
              "Enter description for:  Battalion\nIn: $ Battalion\nSelect: # Company\n"
              "  (50%) Rifle Company\n  (50%) Gun Company\n");
    EXPECT_EQ(Saved("out.org", true), c.saved) << c.answers;
  }
}

TEST_F(BuildCommand, NothingIsWrittenWhenTheTemplateOrAFileIsMissing) {
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nC100001 0 6 Kompanie\r\n    P1101 x\r\n");
  folder.Write("out.org", "kept");
  const std::vector<std::string> cases[] = {{"C100003"},
                                            {"B100001"},
                                            {"C100001", "--into", "none.org"},
                                            {"C100001", "--into", "broken.org"},
                                            {"C100001", "--choices", "none.txt"}};
  for (const auto& arguments : cases) {
    const auto result = Build(arguments);
    const std::string& named = arguments.back();
    EXPECT_EQ(result.status, 1) << named;
    EXPECT_EQ(result.err.rfind("valdren: ", 0), 0u) << named << ": " << result.err;
    EXPECT_NE(result.err.find(named), std::string::npos) << named << ": " << result.err;
    EXPECT_EQ(folder.Read("out.org"), "kept") << named;
  }
  const auto result = Build({"C100001"}, "no/such/folder/out.org");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "valdren: no/such/folder/out.org: Unable to open file\n");
}

}  // namespace
}  // namespace valdren::test
