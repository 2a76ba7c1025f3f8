// valdren: the editor's database and files for scripts and for the people who keep the game's
// data, built from the same code as the editor.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

#include <CLI/CLI.hpp>

#include "base/Utf8Path.h"
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
    std::filesystem::current_path(valdren::Utf8Path(folder), failure);
    if (failure) return tool.Fail("cannot change to folder " + folder + ": " + failure.message());
  }
  const int status = commands.RunChosen(tool);
  std::cout.flush();
  if (!std::cout) return tool.Fail("cannot write the output");
  return status;
}

#ifdef _WIN32
// Windows hands main its arguments in the system's code page, which cannot hold every file name:
// the tool takes them from the wide command line as UTF-8, as they arrive on other systems.
std::vector<std::string> Utf8Arguments() {
  int count = 0;
  wchar_t** const wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    const std::u8string text = std::filesystem::path(wide[i]).u8string();
    arguments.emplace_back(text.begin(), text.end());
  }
  ::LocalFree(wide);
  return arguments;
}
#endif

}  // namespace

int main(int argc, char** argv) {
  try {
#ifdef _WIN32
    // The streams carry the game's files and the tool's output byte for byte, as on other
    // systems: no line ends added, and a byte 26 does not end the input.
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments = Utf8Arguments();
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
      pointers.push_back(argument.data());
    argc = static_cast<int>(pointers.size());
    argv = pointers.data();
#endif
    return Main(argc, argv);
  } catch (const std::exception& failure) {
    std::cerr << "valdren: " << failure.what() << '\n';
    return valdren::cli::kFailure;
  }
}
