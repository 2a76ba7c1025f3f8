#pragma once

#include <gtest/gtest.h>

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
// input, and collects what it writes.
ToolResult RunTool(const std::vector<std::string>& arguments, std::string_view input = {});

// The same on a game folder (-C).
inline ToolResult RunIn(const GameFolder& folder, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"-C", folder.Path().string()});
  return RunTool(arguments);
}

// The game folder most tool tests share. Germany: a rifle company, a gun company whose only group
// exists from 1943 on, and a battalion of either company whose last group carries the promotion
// mark (one warning). Great Britain: a company whose only group exists from 1943 on.
inline void WriteSampleData(const GameFolder& folder) {
  // A platoon line before scrambling: values 1 to 8, mark, 9 to 15, word, 16 to 21, the dates
  // (start year and month, end year and month), 22 to 24 and the names.
  const auto platoon = [](std::string reference, int catalogValue, std::string names) {
    return reference + " " + std::to_string(catalogValue) +
           " 1 2 3 4 5 6 7 8 W 9 10 11 12 13 14 15 x 16 17 18 19 20 21 39 1 45 12 22 23 24 " +
           names + "\n";
  };
  folder.Write("platoon.obx",
               ScrambleFile(platoon("P1101", 10, "Rifles") + platoon("P9101", 8, "Riflemen")));
  folder.Write("company.oob",
               "39 1 45 12 C100001 7 Rifle Company\n39 1 45 12 P1101 Zug\n\n"
               "39 1 45 12 C100002 5 Gun Company\n43 1 45 12 P1101 Guns\n\n"
               "39 1 45 12 C900001 6 Rifle Company\n43 1 45 12 P9101 Later\n");
  folder.Write(
      "battalion.oob",
      "39 1 45 12 B100010 6 $ Battalion\n39 1 45 12 + (50) C100001 (50) C100002 # Company\n");
}

// What expanding every nation of that folder in June 1941 shows: the gun company, listed and
// offered by the battalion, and the British company have no subunits then.
inline const std::string kSampleMessages =
    "Missing subunits for: Gun Company (100002)\n"
    "Missing subunits for: Gun Company (100002)\n"
    "Missing subunits for: Rifle Company (900001)\n";

// A test on the sample folder.
class SampleFolderTest : public testing::Test {
 protected:
  void SetUp() override { WriteSampleData(folder); }
  GameFolder folder;
};

}  // namespace valdren::test
