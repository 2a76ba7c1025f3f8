#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "base/ErrorText.h"
#include "builder/BuilderState.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"

namespace valdren::cli {

// What every command shares: its output streams, the game folder's data loaded as the editor
// loads it, and the exit status rules. A command runs in the game folder (-C has already changed
// into it).
class Tool {
 public:
  Tool(std::ostream& out, std::ostream& err);
  ~Tool();

  // The folder's database, loaded the first time a command asks for it, exactly as the editor
  // loads it at start-up: error.log is written anew. A load error is kept for Finish; what was
  // loaded before it stays.
  const OobDatabase& Database();
  // The number of entries the load wrote to error.log.
  int Warnings() const { return warnings_; }
  // The leader and unit-name lists of the 20 nations, loaded after the database, as the editor
  // does, the first time a command asks for them.
  const NameLists& Names();
  // The builder's generators and issued numbers, which live as long as the run, made the first
  // time a command asks for them: every generator seeded with the seed, or from the clock
  // without one, as in the editor.
  BuilderState& Building(std::optional<std::uint32_t> seed);

  // Ends a command that has written its output: a load error goes to the error stream as the
  // editor's "Data Error" box shows it, and makes the exit status a failure.
  int Finish();
  // Reports a failure to read or write something as one line on the error stream and gives the
  // exit status for it.
  int Fail(std::string_view message);

  std::ostream& out;
  std::ostream& err;

 private:
  std::unique_ptr<OobDatabase> database_;
  std::unique_ptr<NameLists> names_;
  std::unique_ptr<BuilderState> building_;
  ErrorText loadError_;
  int warnings_ = 0;
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

void AddBuildCommand(CommandList& commands);
void AddCheckCommand(CommandList& commands);
void AddDumpCommand(CommandList& commands);
void AddCatalogCommand(CommandList& commands);
void AddObxCommand(CommandList& commands);
void AddShowCommand(CommandList& commands);
void AddRosterCommand(CommandList& commands);
void AddChartCommand(CommandList& commands);

// In the order --help lists them.
inline void AddCommands(CommandList& commands) {
  AddCheckCommand(commands);
  AddDumpCommand(commands);
  AddCatalogCommand(commands);
  AddShowCommand(commands);
  AddRosterCommand(commands);
  AddChartCommand(commands);
  AddBuildCommand(commands);
  AddObxCommand(commands);
}

}  // namespace valdren::cli
