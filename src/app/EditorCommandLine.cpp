#include "app/EditorCommandLine.h"

namespace valdren {

namespace {

void SkipBlanks(std::string_view line, std::size_t& at) {
  while (at < line.size() && line[at] == ' ')
    ++at;
}

}  // namespace

EditorCommandLine ParseEditorCommandLine(std::string_view line) {
  EditorCommandLine result;
  std::size_t at = 0;
  SkipBlanks(line, at);
  while (at < line.size() && line[at] == '-') {
    if (at + 1 < line.size()) {
      if (line[at + 1] == 'f') result.relaunchGame = true;
      at += 2;
    } else {
      at += 1;
    }
    SkipBlanks(line, at);
  }
  result.commandFile = std::string(line.substr(at));
  // A file name alone is enough: only the game names a file when it starts the editor.
  if (!result.commandFile.empty()) result.relaunchGame = true;
  return result;
}

}  // namespace valdren
