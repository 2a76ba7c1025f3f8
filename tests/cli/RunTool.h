#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace valdren::test {

struct ToolResult {
  int status = -1;  // the exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

// Runs the built valdren (the path in VALDREN_BIN) with the arguments, the input on its standard
// input, and collects what it writes.
ToolResult RunTool(const std::vector<std::string>& arguments, std::string_view input = {});

}  // namespace valdren::test
