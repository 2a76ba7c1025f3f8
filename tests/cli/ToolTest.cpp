// The valdren tool: what every command shares (help, version, exit statuses, the platoon file
// scrambling), then the commands on the sample folder: check, dump, catalog, show, build, roster.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "base/Utf8Path.h"
#include "cli/RunTool.h"
#include "org/OrgFile.h"
#include "support/TestData.h"

namespace valdren::test {
namespace {

using nlohmann::json;
using DatabaseCommands = SampleFolderTest;
using CatalogCommand = SampleFolderTest;

TEST(Tool, HelpAndVersionSucceedOnStandardOutput) {
  const auto help = RunTool({"obx", "decode", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: valdren obx decode"), std::string::npos) << help.out;
  EXPECT_EQ(help.err, "");
  const auto version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("valdren ", 0), 0u) << version.out;
}

// 2 for a usage error, with a hint at --help; 1 for a template or a file that cannot be read or
// written. Either way one message on standard error, nothing on standard output and nothing
// written.
using ToolErrors = SampleFolderTest;
TEST_F(ToolErrors, UsageErrorsAndUnreadableFilesFailWithTheirStatus) {
  std::filesystem::create_directory(folder.Path() / "sub");
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nC100001 0 6 Kompanie\r\n    P1101 x\r\n");
  const std::string dir = folder.Path().string();
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* err;  // what standard error holds
  } cases[] = {
      {{"obx", "decode", "missing.obx"}, 1, "valdren: cannot read missing.obx"},
      {{"obx", "encode", "sub"}, 1, "valdren: cannot read sub"},
      {{"show", "none.org"}, 1, "valdren: none.org: Unable to open file\n"},
      {{"-C", dir + "/none", "check"}, 1, "valdren: cannot change to folder"},
      {{"build", "C100003", "--output", "out.org"}, 1, "C100003"},
      {{"build", "B100001", "--output", "out.org"}, 1, "B100001"},
      {{"build", "C100001", "--into", "none.org", "--output", "out.org"}, 1, "none.org"},
      {{"build", "C100001", "--into", "broken.org", "--output", "out.org"}, 1, "broken.org"},
      {{"build", "C100001", "--choices", "none.txt", "--output", "out.org"}, 1, "none.txt"},
      {{"build", "C100001", "--output", "no/such/folder/out.org"},
       1,
       "valdren: no/such/folder/out.org: Unable to open file\n"},
      {{}, 2, "valdren: "},
      {{"bogus"}, 2, "valdren: unknown command: bogus\n"},
      {{"check", "extra"}, 2, "valdren: "},
      {{"show"}, 2, "valdren: "},
      {{"show", "--check-dates", "--json", "main.org"}, 2, "--json"},
      {{"catalog", "--date", "13/41"}, 2, "--date"},
      {{"catalog", "--date", "6/46"}, 2, "--date"},
      {{"catalog", "--date", "6-41"}, 2, "--date"},
      {{"catalog", "--depth", "-1"}, 2, "--depth"},
      {{"catalog", "20"}, 2, "20"},
      {{"catalog", "germany"}, 2, "germany"},
      {{"catalog", "--find", "Rifle", "--json"}, 2, "--json"},
      {{"catalog", "--depth", "3", "--find", "Rifle"}, 2, "--depth"},
      {{"build", "X100001", "--output", "out.org"}, 2, "REF"},
      {{"build", "C10x", "--output", "out.org"}, 2, "REF"},
      {{"build", "C100001", "--date", "6/1941", "--output", "out.org"}, 2, "--date"},
      {{"build", "C100001", "--seed", "-1", "--output", "out.org"}, 2, "--seed"},
      {{"build", "C100001", "--seed", "4294967296", "--output", "out.org"}, 2, "--seed"},
      {{"build", "C100001"}, 2, "--output"},
      {{"roster", "--json", "--csv", "main.org"}, 2, "--csv"},
      {{"roster", "--date", "13/41", "main.org"}, 2, "--date"},
      {{"roster", "missing.org"}, 1, "valdren: missing.org: Unable to open file\n"},
  };
  for (const auto& c : cases) {
    const std::string line = testing::PrintToString(c.arguments);
    const bool elsewhere = !c.arguments.empty() && c.arguments[0] == "-C";
    const auto result = elsewhere ? RunTool(c.arguments) : RunIn(folder, c.arguments);
    EXPECT_EQ(result.status, c.status) << line;
    EXPECT_EQ(result.err.rfind("valdren: ", 0), 0u) << line << ": " << result.err;
    EXPECT_NE(result.err.find(c.err), std::string::npos) << line << ": " << result.err;
    // A reason is one line; a usage error adds the hint.
    if (c.status == 1) {
      EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << line;
    }
    EXPECT_EQ(result.err.find("--help") != std::string::npos, c.status == 2) << line;
    EXPECT_EQ(result.out, "") << line;
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "out.org")) << line;
  }
}

// Every byte but 26, which ends a text file's text, and 127, which the scrambling folds, comes
// back through a file, standard input and "-".
TEST(Tool, DecodingWhatWasEncodedGivesBackEveryByteButTheEnd) {
  std::string plain = "Rifle\r\n\n";
  for (int code = 0; code < 256; ++code)
    if (code != 26 && code != 127) plain += static_cast<char>(code);
  GameFolder folder;
  folder.Write("plain.txt", plain);
  const auto encoded = RunIn(folder, {"obx", "encode", "plain.txt"});
  EXPECT_EQ(encoded.status, 0) << encoded.err;
  EXPECT_NE(encoded.out, plain);
  EXPECT_EQ(RunTool({"obx", "decode"}, encoded.out), (ToolResult{0, plain, ""}));
  EXPECT_EQ(RunTool({"obx", "encode", "-"}, plain), encoded);
}

// What expanding every nation of the folder in June 1941 shows: the gun company, listed and
// offered by the battalion, and the British company have no subunits then.
const std::string kGunCompany = "Missing subunits for: Gun Company (100002)\n";
const std::string kSampleMessages =
    kGunCompany + kGunCompany + "Missing subunits for: Rifle Company (900001)\n";

TEST_F(DatabaseCommands, CheckCountsTheTemplatesOfEachEchelonAndTheWarnings) {
  EXPECT_EQ(RunIn(folder, {"check"}),
            (ToolResult{0,
                        "Platoons: 2\nCompanies: 3\nBattalions: 1\nRegiments: 0\nBrigades: 0\n"
                        "Divisions: 0\nCorps: 0\nArmies: 0\nWarnings: 1\n",
                        ""}));
  EXPECT_EQ(folder.Read("error.log").rfind("List of suborganizations ends in promotion:\n", 0), 0u);
}

const std::string kLaterGroups =
    "    Regiments\n    Brigades\n    Divisions\n    Corps\n    Armies\n";

// Nations, echelon groups and templates, each level two blanks further in; the messages are all
// that expanding Germany shows, also for the rows below the depth.
TEST_F(CatalogCommand, PrintsTheTreeWithTheNamedNationsExpandedAndTheirMessages) {
  EXPECT_EQ(RunIn(folder, {"catalog", "--depth", "3", "Germany"}),
            (ToolResult{0,
                        "Available Units and Organizations\n  Germany\n    Platoons\n"
                        "      Rifles [10]\n    Companies\n      Rifle Company\n      Gun Company\n"
                        "    Battalions\n      $ Battalion\n" +
                            kLaterGroups +
                            "  Great Britain\n    Platoons\n    Companies\n    Battalions\n" +
                            kLaterGroups,
                        kGunCompany + kGunCompany}));
  // Every nation, or the named ones in any order, expanded in ascending order.
  const std::string nations = "Available Units and Organizations\n  Germany\n  Great Britain\n";
  EXPECT_EQ(RunIn(folder, {"catalog", "--depth", "1"}), (ToolResult{0, nations, kSampleMessages}));
  EXPECT_EQ(RunIn(folder, {"catalog", "--depth", "1", "9", "Germany"}),
            (ToolResult{0, nations, kSampleMessages}));
  EXPECT_EQ(RunIn(folder, {"catalog", "--date", "02/43", "--depth", "1"}).err, "");
  EXPECT_EQ(RunIn(folder, {"catalog", "--depth", "1", "Poland"}),
            (ToolResult{0, nations, "valdren: the database holds no templates of Poland\n"}));
}

// Every nation's templates whose name holds the text, in the tree's order; nothing is expanded, so
// no message is shown.
TEST_F(CatalogCommand, FindPrintsTheMatchesWithTheirNationAndEchelonGroup) {
  const std::string british =
      "Great Britain / Platoons / Riflemen [8]\nGreat Britain / Companies / Rifle Company\n";
  EXPECT_EQ(
      RunIn(folder, {"catalog", "--find", "RIFLE"}),
      (ToolResult{
          0, "Germany / Platoons / Rifles [10]\nGermany / Companies / Rifle Company\n" + british,
          ""}));
  // Only in the named nations.
  EXPECT_EQ(RunIn(folder, {"catalog", "--find", "rifle", "Great Britain"}).out, british);
  EXPECT_EQ(RunIn(folder, {"catalog", "--find", "[10]"}), (ToolResult{0, "", ""}));
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
  // P1999 names no template, so it has no unit line.
  EXPECT_EQ(RunIn(folder, {"show", "main.org"}),
            (ToolResult{0,
                        "Created Units and Organizations\n  1st Company\n    Zug\n"
                        "      Rifles (5)\n  " +
                            name + "\n",
                        ""}));

  // The rest of the JSON's bytes are held by OutputBytesTest.
  EXPECT_EQ(json::parse(Output({"show", "--json", "main.org"}))["items"][1]["name"], utf8);

  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  EXPECT_EQ(RunIn(folder, {"show", "broken.org"}),
            (ToolResult{1, "Created Units and Organizations\n  Kept\n",
                        "valdren: broken.org: Error reading file\n"}));
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

// The sample folder's Germany and Great Britain, and a Panzer IV platoon that exists from 1943.
class RosterCommand : public SampleFolderTest {
 protected:
  void SetUp() override {
    SampleFolderTest::SetUp();
    folder.Write("platoon.obx", ScrambleFile(PlatoonLine("P1101 10", "39 1 45 12", "Rifles") +
                                             PlatoonLine("P9101 8", "39 1 45 12", "Riflemen") +
                                             PlatoonLine("P1602 40", "43 1 45 12", "Panzer IV") +
                                             PlatoonLine("P1403 15", "39 1 45 12", "Zugfuehrer")));
    // A German company with a name that needs quoting and Windows-1252, a leader, two rifle
    // platoons, a tank platoon and one platoon without a template; a British platoon alone.
    folder.Write(
        "main.org",
        "1\r\n7\r\n6 41\r\nC100001 0 7 Kompanie \"Nord\", Caf\xE9 \x80\r\n"
        "    P1403 1 7 Oblt Weber\r\n    P1101 2 5 Zug\r\n    P1101 3 5 Zug\r\n"
        "    P1602 4 9 Panzer\r\n    P1999 5 5 Troupe\r\n    End\r\nP9101 6 6 Riflemen\r\n");
  }
};

// A group shows its platoons and value after its name, in the catalog's brackets; a platoon
// does not.
TEST_F(RosterCommand, ShowWithTheStrengthOfEveryGroup) {
  const std::string text = Output({"show", "--strength", "main.org"});
  EXPECT_NE(
      text.find("\n  Kompanie \"Nord\", Caf\xE9 \x80 [5 platoons, value 60]\n    Oblt Weber\n"),
      std::string::npos)
      << text;
}

// At the file's 6/41 the tank platoon is refused (from 1/43) and the platoon without a template
// too; without them the file passes.
TEST_F(RosterCommand, ShowCheckDatesListsTheRefusedItemsAndFailsOnAny) {
  const std::string company = "Kompanie \"Nord\", Caf\xE9 \x80 / ";
  EXPECT_EQ(RunIn(folder, {"show", "--check-dates", "main.org"}),
            (ToolResult{1,
                        company + "Panzer\tNot available in 6/41: from 1/43\n" + company +
                            "Troupe\tNot in the database\n",
                        ""}));
  folder.Write("passes.org",
               "1\r\n2\r\n6 41\r\nC100001 0 7 Kompanie\r\n    P1101 1 5 Zug\r\n"
               "    End\r\n");
  EXPECT_EQ(RunIn(folder, {"show", "--check-dates", "passes.org"}), (ToolResult{0, "", ""}));
}

// The same table as the JSON in RFC 4180: the name with a comma and quotes quoted, its quotes
// doubled, fields that do not apply to a row's kind empty, every line ended by CR LF.
TEST_F(RosterCommand, CsvHoldsTheSameTable) {
  EXPECT_EQ(Output({"roster", "--csv", "main.org"}),
            "kind,reference,name,platoons,units,leaders,catalogValue,value,axisValue,alliedValue,"
            "available\r\n"
            "item,C100001,\"Kompanie \"\"Nord\"\", Caf\u00e9 \u20ac\",5,1,1,,60,60,0,\r\n"
            "item,P9101,Riflemen,1,1,0,,8,0,8,\r\n"
            "organization,,Organization,6,2,1,,68,60,8,\r\n"
            "template,P1101,Rifles,2,,,10,20,,,yes\r\n"
            "template,P1999,,1,,,,0,,,\r\n"
            "template,P1602,Panzer IV,1,,,40,40,,,no\r\n"
            "template,P9101,Riflemen,1,,,8,8,,,yes\r\n"
            "template,P1403,Zugfuehrer,1,,,15,0,,,yes\r\n");
}

TEST_F(RosterCommand, WhatWasReadIsCountedBeforeTheFailure) {
  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1101 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  const auto broken = RunIn(folder, {"roster", "broken.org"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out.rfind("Kept: 1 platoon, 1 unit, value 10\n", 0), 0u) << broken.out;
  EXPECT_NE(broken.out.find("\nOrganization: 1 platoon, 1 unit, value 10 (Axis 10, Allied 0)\n"),
            std::string::npos);
  EXPECT_EQ(broken.err, "valdren: broken.org: Error reading file\n");
}

// The chart of the file, or of one item to a depth, to a file or standard output, the same bytes
// each time; a failure says why on one line and leaves the folder as it was.
using ChartCommand = RosterCommand;
TEST_F(ChartCommand, DrawsTheFileOrOneItemAndWritesNothingOnAFailure) {
  EXPECT_EQ(Output({"chart", "main.org", "-o", "out.svg"}), "");
  const std::string whole = folder.Read("out.svg");
  for (const char* part : {"<title id=\"chart-title\">Order of battle of the organization</title>",
                           ">Kompanie &quot;Nord&quot;, Caf\u00e9 \u20ac</text>",
                           ">2 \u00d7 Rifles</text>", ">1 \u00d7 Riflemen</text>"})
    EXPECT_NE(whole.find(part), std::string::npos) << part;
  const std::string company =
      Output({"chart", "main.org", "--item", "0", "--depth", "0", "-o", "-"});
  EXPECT_NE(company.find("Order of battle of Kompanie"), std::string::npos);
  EXPECT_EQ(company.find("Riflemen"), std::string::npos);
  EXPECT_EQ(Output({"chart", "--depth", "0", "--item", "0", "main.org", "--output", "out.svg"}),
            "");
  EXPECT_EQ(folder.Read("out.svg"), company);

  folder.Write("broken.org", "1\r\n3\r\n6 41\r\nP1101 0 6 Kept\r\nC2 1 6 Lost\r\n    P3 x\r\n");
  std::filesystem::create_directory(folder.Path() / "sub");
  const auto files = [this] {
    std::vector<std::filesystem::path> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  };
  const auto before = files();
  const struct {
    std::vector<std::string> arguments;
    int status;
    const char* err;
  } cases[] = {
      {{"main.org", "--item", "42", "-o", "out.svg"}, 1, "main.org holds no item with the id 42\n"},
      {{"main.org", "--depth", "-1", "-o", "out.svg"}, 2, "--depth"},
      {{"main.org", "--depth", "two", "-o", "out.svg"}, 2, "--depth"},
      {{"main.org"}, 2, "--output"},
      {{"broken.org", "-o", "out.svg"}, 1, "broken.org: Error reading file\n"},
      {{"main.org", "-o", "sub"}, 1, "sub: Unable to open file\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"chart"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    const auto result = RunIn(folder, arguments);
    const std::string line = testing::PrintToString(arguments);
    EXPECT_EQ(result.status, c.status) << line;
    EXPECT_EQ(result.err.rfind("valdren: ", 0), 0u) << line << ": " << result.err;
    EXPECT_NE(result.err.find(c.err), std::string::npos) << line << ": " << result.err;
    EXPECT_EQ(result.out, "") << line;
    EXPECT_EQ(folder.Read("out.svg"), company) << line;
    EXPECT_EQ(files(), before) << line;
  }
}

}  // namespace
}  // namespace valdren::test
