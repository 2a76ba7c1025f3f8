// What every command shares: help, version and exit statuses; and the platoon file scrambling.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/RunTool.h"

namespace valdren::test {
namespace {

TEST(Tool, HelpAndVersionSucceedOnStandardOutput) {
  std::vector<std::vector<std::string>> calls{{"--help"}, {"obx", "decode", "--help"}};
  for (const char* command : {"check", "dump", "catalog", "show", "build", "obx"})
    calls.push_back({command, "--help"});
  for (const auto& arguments : calls) {
    const auto result = RunTool(arguments);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Usage: valdren"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "");
  }
  const auto version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("valdren ", 0), 0u) << version.out;
}

// 2 for a usage error, with a hint at --help; 1 for a file that cannot be read. Either way one
// message on standard error, nothing on standard output and nothing written.
TEST(Tool, UsageErrorsAndUnreadableFilesFailWithTheirStatus) {
  GameFolder folder;
  std::filesystem::create_directory(folder.Path() / "sub");
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
      {{}, 2, "valdren: "},
      {{"bogus"}, 2, "valdren: unknown command: bogus\n"},
      {{"check", "extra"}, 2, "valdren: "},
      {{"dump", "--jsn"}, 2, "valdren: "},
      {{"obx"}, 2, "valdren: "},
      {{"show"}, 2, "valdren: "},
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
  ASSERT_EQ(encoded.status, 0) << encoded.err;
  EXPECT_EQ(encoded.err, "");
  EXPECT_NE(encoded.out, plain);
  EXPECT_EQ(encoded.out.size(), plain.size());
  const auto decoded = RunTool({"obx", "decode"}, encoded.out);
  ASSERT_EQ(decoded.status, 0) << decoded.err;
  EXPECT_EQ(decoded.out, plain);
  EXPECT_EQ(RunTool({"obx", "encode", "-"}, decoded.out).out, encoded.out);
}

}  // namespace
}  // namespace valdren::test
