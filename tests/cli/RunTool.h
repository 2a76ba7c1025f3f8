#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "oob/PlatoonFile.h"
#include "support/GameFolder.h"

namespace valdren::test {

struct ToolResult {
  int status = -1;  // the exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

// Runs the built valdren (the path in VALDREN_BIN) with the arguments, the input on its standard
// input, and collects what it writes. The streams go through files in a folder of their own, so a
// large output cannot block; the shell gives way to the tool, so a signal that ends it is seen.
inline ToolResult RunTool(const std::vector<std::string>& arguments, std::string_view input = {}) {
  const char* const binary = std::getenv("VALDREN_BIN");
  if (!binary) throw std::runtime_error("VALDREN_BIN is not set");
  const auto quoted = [](std::string_view word) {  // for the shell, a quote in it escaped
    std::string text = "'";
    for (const char c : word)
      text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
  };
  const GameFolder streams;
  streams.Write("in", input);
  std::string command = "exec " + quoted(binary);
  for (const std::string& word : arguments)
    command += " " + quoted(word);
  const std::string at = quoted(streams.Path().string());
  command += " <" + at + "/in >" + at + "/out 2>" + at + "/err";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, streams.Read("out"), streams.Read("err")};
}

// The same on a game folder (-C).
inline ToolResult RunIn(const GameFolder& folder, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-C", folder.Path().string()});
  return RunTool(arguments);
}

// The game folder most tool tests share. Germany: a rifle company, a gun company whose only group
// exists from 1943 on, and a battalion of either company whose last group carries the promotion
// mark (one warning). Great Britain: a company whose only group exists from 1943 on. A platoon
// line is the reference, the catalog value, values 1 to 8, mark, 9 to 15, word, 16 to 21, the
// dates (start year and month, end year and month), 22 to 24 and the names.
class SampleFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    folder.Write("platoon.obx", ScrambleFile("P1101 10 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 "
                                             "17 18 19 20 21 39 1 45 12 22 23 24 Rifles\n"
                                             "P9101 8 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 "
                                             "17 18 19 20 21 39 1 45 12 22 23 24 Riflemen\n"));
    folder.Write("company.oob",
                 "39 1 45 12 C100001 7 Rifle Company\n39 1 45 12 P1101 Zug\n\n"
                 "39 1 45 12 C100002 5 Gun Company\n43 1 45 12 P1101 Guns\n\n"
                 "39 1 45 12 C900001 6 Rifle Company\n43 1 45 12 P9101 Later\n");
    folder.Write("battalion.oob",
                 "39 1 45 12 B100010 6 $ Battalion\n"
                 "39 1 45 12 + (50) C100001 (50) C100002 # Company\n");
  }
  GameFolder folder;
};

}  // namespace valdren::test
