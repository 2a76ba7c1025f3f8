#pragma once

#include <string>
#include <string_view>

namespace valdren {

// What the editor's command line asks for. The game starts the editor with "-f" (and perhaps a
// file name); either one means the game wants to be started again when the editor exits.
struct EditorCommandLine {
  bool relaunchGame = false;
  std::string commandFile;
};

// Reads the text after the program's name. Each "-" takes exactly one letter after it ("-f"
// alone counts, any other letter is ignored), blanks (spaces, not tabs) separate the flags, and
// the rest of the line, verbatim, is the file to open.
EditorCommandLine ParseEditorCommandLine(std::string_view line);

}  // namespace valdren
