// The commands on the sample folder: check, dump, catalog, show and build.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "base/Utf8Path.h"
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

using nlohmann::json;
using DatabaseCommands = SampleFolderTest;
using CatalogCommand = SampleFolderTest;

// What expanding every nation of the folder in June 1941 shows: the gun company, listed and
// offered by the battalion, and the British company have no subunits then.
const std::string kGunCompany = "Missing subunits for: Gun Company (100002)\n";
const std::string kSampleMessages =
    kGunCompany + kGunCompany + "Missing subunits for: Rifle Company (900001)\n";

TEST_F(DatabaseCommands, CheckCountsTheTemplatesOfEachEchelonAndTheWarnings) {
  const auto result = RunIn(folder, {"check"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Platoons: 2\nCompanies: 3\nBattalions: 1\nRegiments: 0\nBrigades: 0\nDivisions: 0\n"
            "Corps: 0\nArmies: 0\nWarnings: 1\n");
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(folder.Read("error.log").rfind("List of suborganizations ends in promotion:\n", 0), 0u);
}

TEST_F(DatabaseCommands, DumpPrintsEveryTemplateInLoadOrderAsTextOrJson) {
  const auto text = RunIn(folder, {"dump"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.err, "");
  // A template a line, its group indented below it.
  EXPECT_TRUE(std::regex_match(text.out, std::regex("P1101 .*\nP9101 .*\nC100001 .*\n +.*\n"
                                                    "C100002 .*\n +.*\nC900001 .*\n +.*\n"
                                                    "B100010 .*\n +.*\n")))
      << text.out;

  const auto result = RunIn(folder, {"dump", "--json"});
  ASSERT_EQ(result.status, 0) << result.err;
  const json templates = json::parse(result.out).at("templates");
  ASSERT_EQ(templates.size(), 6u);
  EXPECT_EQ(templates[0], json::parse(R"({"echelon":0,"reference":1101,"name":"Rifles",
      "secondName":"Rifles","thirdName":"Rifles","catalogValue":10,
      "values":[1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24],"mark":"W",
      "word":"x","startMonth":1,"startYear":39,"endMonth":12,"endYear":45})"));
  EXPECT_EQ(templates[5], json::parse(R"({"echelon":2,"reference":100010,"name":"$ Battalion",
      "startMonth":1,"startYear":39,"endMonth":12,"endYear":45,"morale":6,"groups":[{
      "name":"# Company","startMonth":1,"startYear":39,"endMonth":12,"endYear":45,
      "promotion":true,"choices":[{"echelon":1,"reference":100001,"probability":50},
      {"echelon":1,"reference":100002,"probability":50}]}]})"));
}

const std::string kLaterGroups =
    "    Regiments\n    Brigades\n    Divisions\n    Corps\n    Armies\n";

// Nations, echelon groups and templates, each level two blanks further in; the messages are all
// that expanding Germany shows, also for the rows below the depth.
TEST_F(CatalogCommand, PrintsTheTreeWithTheNamedNationsExpandedAndTheirMessages) {
  const auto result = RunIn(folder, {"catalog", "--depth", "3", "Germany"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Available Units and Organizations\n  Germany\n    Platoons\n      Rifles [10]\n"
            "    Companies\n      Rifle Company\n      Gun Company\n    Battalions\n"
            "      $ Battalion\n" +
                kLaterGroups + "  Great Britain\n    Platoons\n    Companies\n    Battalions\n" +
                kLaterGroups);
  EXPECT_EQ(result.err, kGunCompany + kGunCompany);

  // Every nation, or the named ones in any order, expanded in ascending order.
  const auto all = RunIn(folder, {"catalog", "--depth", "1"});
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(all.out, "Available Units and Organizations\n  Germany\n  Great Britain\n");
  EXPECT_EQ(all.err, kSampleMessages);
  const auto named = RunIn(folder, {"catalog", "--depth", "1", "9", "Germany"});
  EXPECT_EQ(named.out, all.out);
  EXPECT_EQ(named.err, all.err);
  EXPECT_EQ(RunIn(folder, {"catalog", "--date", "02/43", "--depth", "1"}).err, "");

  const auto absent = RunIn(folder, {"catalog", "--depth", "1", "Poland"});
  EXPECT_EQ(absent.status, 0);
  EXPECT_EQ(absent.out, all.out);
  EXPECT_EQ(absent.err, "valdren: the database holds no templates of Poland\n");
}

TEST_F(CatalogCommand, JsonHoldsTheRowsImagesTemplatesAndMessages) {
  const auto result = RunIn(folder, {"catalog", "--json", "--depth", "1", "1"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.rfind("{\"tree\":{\"text\":", 0), 0u);
  EXPECT_EQ(json::parse(result.out), json::parse(R"json({"tree":{"text":
      "Available Units and Organizations","image":0,"template":null,"children":[
      {"text":"Germany","image":10,"template":null,"children":[]},
      {"text":"Great Britain","image":18,"template":null,"children":[]}]},"messages":[
      "Missing subunits for: Gun Company (100002)","Missing subunits for: Gun Company (100002)"]})json"));
  // Template rows and choice rows carry their template.
  const json tree = json::parse(RunIn(folder, {"catalog", "--json", "1"}).out)["tree"];
  const json& company = tree["children"][0]["children"][1]["children"][0];
  EXPECT_EQ(company["template"], "C100001");
  EXPECT_EQ(company["children"][0]["children"][0]["template"], "P1101");
}

// Every nation's templates whose name holds the text, in the tree's order; nothing is expanded, so
// no message is shown.
TEST_F(CatalogCommand, FindPrintsTheMatchesWithTheirNationAndEchelonGroup) {
  const auto result = RunIn(folder, {"catalog", "--find", "RIFLE"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out,
            "Germany / Platoons / Rifles [10]\nGermany / Companies / Rifle Company\n"
            "Great Britain / Platoons / Riflemen [8]\nGreat Britain / Companies / Rifle Company\n");
  EXPECT_EQ(result.err, "");
  // Only in the named nations.
  EXPECT_EQ(RunIn(folder, {"catalog", "--find", "rifle", "Great Britain"}).out,
            "Great Britain / Platoons / Riflemen [8]\nGreat Britain / Companies / Rifle Company\n");
  const auto none = RunIn(folder, {"catalog", "--find", "[10]"});
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
}

// Every command that loads the database goes on with what was loaded, then reports the error.
TEST_F(DatabaseCommands, ALoadErrorIsReportedAfterWhatWasLoadedWithStatusOne) {
  folder.Write("regiment.oob", "39 1 45 12 R100020 6 Regiment\n39 1 45 12 B999 Nothing\n");
  folder.Write("main.org", "1\r\n1\r\n6 41\r\nP1101 0 5 Zug\r\n");
  const std::string error = "File regiment.oob: line 2: Invalid unit reference number: 999\n";
  const struct {
    std::vector<std::string> arguments;
    const char* out;  // a part of the output that needs the database
    std::string err;  // before the error
  } cases[] = {
      {{"check"}, "Battalions: 1\n", ""},
      {{"dump"}, "\nB100010 ", ""},
      {{"dump", "--json"}, "\"reference\":100010,", ""},
      {{"catalog", "--depth", "1"}, "  Great Britain\n", kSampleMessages},
      {{"show", "main.org"}, "  Zug\n    Rifles (5)\n", ""},
      {{"build", "C100001", "--output", "out.org"}, "", ""},
  };
  for (const auto& c : cases) {
    const auto result = RunIn(folder, c.arguments);
    EXPECT_EQ(result.status, 1) << c.arguments[0];
    EXPECT_NE(result.out.find(c.out), std::string::npos) << c.arguments[0] << ": " << result.out;
    EXPECT_EQ(result.err, c.err + error) << c.arguments[0];
  }
  EXPECT_NE(folder.Read("out.org").find("Rifle Company"), std::string::npos);
}

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
  auto expected = json::parse(R"({"version":1,"nextId":3,"month":6,"year":41,"items":[
      {"echelon":1,"reference":100001,"id":0,"morale":7,"name":"1st Company","children":[
        {"echelon":0,"reference":1101,"id":1,"morale":5,"name":"Zug"}]},
      {"echelon":0,"reference":1999,"id":2,"morale":6}]})");
  expected["items"][1]["name"] = utf8;
  EXPECT_EQ(json::parse(result.out), expected);

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

// Names are UTF-8 on the command line whatever the system's code page holds: the game folder,
// the file saved and the file shown all have names beyond any one code page.
TEST_F(BuildCommand, FileNamesInAnyScriptAreFoundAndWritten) {
  const std::filesystem::path game = folder.Path() / Utf8Path("Spielst\u00e4nde \u0394\u0436");
  std::filesystem::create_directory(game);
  for (const char* name : {"platoon.obx", "company.oob", "battalion.oob"})
    std::filesystem::copy_file(folder.Path() / name, game / name);
  const std::string saved = "\u0394\u0436 1941.org";
  const auto built = RunTool({"-C", game.string(), "build", "C100001", "--output", saved});
  ASSERT_EQ(built.status, 0) << built.err;
  EXPECT_TRUE(std::filesystem::is_regular_file(game / "error.log"));
  EXPECT_TRUE(std::filesystem::is_regular_file(game / Utf8Path(saved)));
  const auto shown = RunTool({"-C", game.string(), "show", "--json", saved});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_NE(shown.out.find("\"Rifle Company\""), std::string::npos) << shown.out;
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
