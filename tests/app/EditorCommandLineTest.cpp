#include "app/EditorCommandLine.h"

#include <gtest/gtest.h>

namespace valdren {
namespace {

struct CommandLineCase {
  std::string line;
  bool relaunchGame;
  std::string commandFile;
};

TEST(EditorCommandLineTest, FlagsThenTheRestVerbatim) {
  const CommandLineCase cases[] = {
      {"", false, ""},
      {"   ", false, ""},
      {"-f", true, ""},
      {"-f main.org", true, "main.org"},
      {"main.org", true, "main.org"},
      {"-x main.org", true, "main.org"},  // a file is named
      {"-x", false, ""},
      {"-F x.org", true, "x.org"},  // only a lower-case f counts; the file does
      {"-fx", true, "x"},           // one letter per dash
      {"-f -q  a b.org ", true, "a b.org "},
      {"-", false, ""},
      {"\t-f", true, "\t-f"},  // a tab is no blank
  };
  for (const CommandLineCase& c : cases) {
    const EditorCommandLine parsed = ParseEditorCommandLine(c.line);
    EXPECT_EQ(parsed.relaunchGame, c.relaunchGame) << '"' << c.line << '"';
    EXPECT_EQ(parsed.commandFile, c.commandFile) << '"' << c.line << '"';
  }
}

}  // namespace
}  // namespace valdren
