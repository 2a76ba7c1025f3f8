#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

namespace valdren::cli {

// What every command shares: its output streams and the exit status rules. A command runs in
// the game folder (-C has already changed into it).
class Tool {
 public:
  Tool(std::ostream& out, std::ostream& err) : out(out), err(err) {}

  // Reports a failure to read or write something as one line on the error stream and gives the
  // exit status for it.
  int Fail(std::string_view message);

  std::ostream& out;
  std::ostream& err;
};

// The bytes of the named file, or of standard input when the name is empty or "-"; nothing, with
// the reason in a line for people, when they cannot be read.
std::optional<std::string> ReadInput(const std::string& name, std::string& reason);

// The exit statuses.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;  // the data or a named file could not be read or written
inline constexpr int kUsageError = 2;

// The tool's commands. Each lives in its own file, which defines its Add...Command: that adds a
// subcommand with its options to the list, together with what to run when the command line
// chose it. Adding a command is one file and one line in AddCommands.
class CommandList {
 public:
  using Run = std::function<int(Tool&)>;

  explicit CommandList(CLI::App& app) : app_(app) {}

  CLI::App& Add(const std::string& name, const std::string& description, Run run);
  // Runs the command the command line chose; a usage error when there was none.
  int RunChosen(Tool& tool) const;

 private:
  CLI::App& app_;
  std::vector<std::pair<CLI::App*, Run>> commands_;
};

void AddCatalogCommand(CommandList& commands);
void AddObxCommand(CommandList& commands);
void AddShowCommand(CommandList& commands);

// In the order --help lists them.
inline void AddCommands(CommandList& commands) {
  AddCatalogCommand(commands);
  AddShowCommand(commands);
  AddObxCommand(commands);
}

}  // namespace valdren::cli
