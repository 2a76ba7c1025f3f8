#include <gtest/gtest.h>

#include <string>

#include "cli/RunTool.h"
#include "support/GameFolder.h"

namespace valdren {
namespace {

using test::RunTool;

// Every byte but 26, which ends a text file's text, with line ends of both kinds and a line
// longer than the reader takes at once.
std::string PlainFile() {
  std::string text =
      "P1101 0 0 0 0 0 0 0 0 0 1 0 0 0 0 0 0 0 W 0 0 0 0 0 0 41 6 45 12 0 0 0 Rifle\r\n\n";
  for (int code = 0; code < 256; ++code)
    if (code != 26 && code != 127) text += static_cast<char>(code);
  text +=
      "\n" + std::string(2000, 'x') + "\r\n" + std::string(95, 'y') + "\n" + std::string(190, 'z');
  return text;
}

TEST(ObxCommand, DecodingWhatWasEncodedGivesBackTheBytes) {
  test::GameFolder folder;
  const std::string plain = PlainFile();
  folder.Write("plain.txt", plain);
  const auto encoded = RunTool({"-C", folder.Path().string(), "obx", "encode", "plain.txt"});
  ASSERT_EQ(encoded.status, 0) << encoded.err;
  EXPECT_EQ(encoded.err, "");
  EXPECT_NE(encoded.out, plain);
  EXPECT_EQ(encoded.out.size(), plain.size());

  const auto decoded = RunTool({"obx", "decode"}, encoded.out);  // from standard input
  ASSERT_EQ(decoded.status, 0) << decoded.err;
  EXPECT_EQ(decoded.out, plain);
  folder.Write("platoon.obx", encoded.out);
  const auto encodedAgain = RunTool({"obx", "encode", "-"}, decoded.out);
  EXPECT_EQ(encodedAgain.out, encoded.out);
}

struct FailureCase {
  std::vector<std::string> arguments;
  int status;
  const char* err;  // what standard error starts with
};

TEST(ObxCommand, UsageErrorsAndUnreadableFiles) {
  test::GameFolder folder;
  std::filesystem::create_directory(folder.Path() / "sub");
  const std::string dir = folder.Path().string();
  const std::vector<FailureCase> cases = {
      {{"-C", dir, "obx", "decode", "missing.obx"}, 1, "valdren: cannot read missing.obx"},
      {{"-C", dir, "obx", "encode", "sub"}, 1, "valdren: cannot read sub"},
      {{"-C", dir + "/none", "obx", "decode"}, 1, "valdren: cannot change to folder"},
      {{"obx"}, 2, "valdren: "},
      {{"obx", "flip"}, 2, "valdren: "},
      {{"obx", "decode", "a", "b"}, 2, "valdren: "},
      {{"obx", "decode", "--fast"}, 2, "valdren: "},
      {{}, 2, "valdren: "},
      {{"bogus"}, 2, "valdren: unknown command: bogus\n"},
      {{"check", "extra"}, 2, "valdren: "},
      {{"dump", "--jsn"}, 2, "valdren: "},
      {{"-C"}, 2, "valdren: "},
  };
  for (const FailureCase& c : cases) {
    const auto result = RunTool(c.arguments);
    const std::string line = testing::PrintToString(c.arguments);
    EXPECT_EQ(result.status, c.status) << line;
    EXPECT_EQ(result.err.rfind(c.err, 0), 0u) << line << ": " << result.err;
    EXPECT_EQ(result.out, "") << line;
    if (c.status == 2) {
      EXPECT_NE(result.err.find("--help"), std::string::npos) << line;
    }
  }
}

TEST(Tool, HelpAndVersionSucceedOnStandardOutput) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--help"}, {"obx", "--help"}, {"obx", "decode", "--help"}}) {
    const auto result = RunTool(arguments);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Usage: valdren"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "");
  }
  const auto version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("valdren ", 0), 0u) << version.out;
}

}  // namespace
}  // namespace valdren
