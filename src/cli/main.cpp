// valdren: the editor's database and files for scripts and for the people who keep the game's
// data, built from the same code as the editor.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include <CLI/CLI.hpp>

#include "cli/Tool.h"

namespace {

using valdren::cli::kUsageError;

// Usage errors end with a hint, not with the whole help text.
std::string UsageFailure(const CLI::App*, const CLI::Error& error) {
  return std::string("valdren: ") + error.what() + "\nRun 'valdren --help' for usage.\n";
}

int Main(int argc, char** argv) {
  CLI::App app("Reads and builds orders of battle from a game folder's database.", "valdren");
  app.set_version_flag("--version", "valdren " VALDREN_VERSION);
  app.require_subcommand(1);
  app.failure_message(UsageFailure);
  std::string folder;
  app.add_option("-C", folder, "Change into DIR first and work on the game folder there")
      ->option_text("DIR");

  valdren::cli::CommandList commands(app);
  valdren::cli::AddCommands(commands);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error, std::cout, std::cerr);  // --help
    // A word where the command should be is reported as what it is, not as a missing command.
    const auto words = app.remaining();
    if (app.get_subcommands().empty() && !words.empty())
      app.exit(CLI::ExtrasError("unknown command: " + words.front(), CLI::ExitCodes::ExtrasError),
               std::cout, std::cerr);
    else
      app.exit(error, std::cout, std::cerr);
    return kUsageError;
  }

  valdren::cli::Tool tool(std::cout, std::cerr);
  if (!folder.empty()) {
    std::error_code failure;
    std::filesystem::current_path(folder, failure);
    if (failure) return tool.Fail("cannot change to folder " + folder + ": " + failure.message());
  }
  const int status = commands.RunChosen(tool);
  std::cout.flush();
  if (!std::cout) return tool.Fail("cannot write the output");
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Main(argc, argv);
  } catch (const std::exception& failure) {
    std::cerr << "valdren: " << failure.what() << '\n';
    return valdren::cli::kFailure;
  }
}
