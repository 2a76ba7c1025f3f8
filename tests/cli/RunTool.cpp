#include "cli/RunTool.h"

#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>

namespace valdren::test {

namespace {

// The word in single quotes for the shell, a quote in it closed, escaped and opened again.
std::string Quoted(std::string_view word) {
  std::string quoted = "'";
  for (const char c : word)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

ToolResult RunTool(const std::vector<std::string>& arguments, std::string_view input) {
  const char* const binary = std::getenv("VALDREN_BIN");
  if (!binary) throw std::runtime_error("VALDREN_BIN is not set");
  // The streams go through files in a folder of their own, so a large output cannot block; the
  // shell gives way to the tool (exec), so a signal that ends it is seen as such.
  const GameFolder streams;
  streams.Write("in", input);
  const auto stream = [&streams](const char* name) {
    return Quoted((streams.Path() / name).string());
  };
  std::string command = "exec " + Quoted(binary);
  for (const std::string& word : arguments)
    command += " " + Quoted(word);
  command += " <" + stream("in") + " >" + stream("out") + " 2>" + stream("err");
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, streams.Read("out"), streams.Read("err")};
}

}  // namespace valdren::test
