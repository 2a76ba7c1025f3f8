#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// A line of the platoon file before scrambling: reference, catalog value, 8 values, mark, 7
// values, word, 6 values, the date range (start year, start month, end year, end month), 3 values
// and the names.
inline std::string PlatoonLine(std::string_view reference, int catalogValue, std::string_view names,
                               std::string_view range = "39 1 45 12") {
  return std::string(reference) + " " + std::to_string(catalogValue) +
         " 0 0 0 0 0 0 0 0 W 0 0 0 0 0 0 0 x 0 0 0 0 0 0 " + std::string(range) + " 0 0 0 " +
         std::string(names) + "\n";
}

}  // namespace valdren::test
