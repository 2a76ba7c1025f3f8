#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace valdren {

// The game's files are read as text the way its platform reads them: a carriage return directly
// before a line feed is not part of the line, a byte 26 (Ctrl-Z) ends the text, and the last
// line counts without a line end. Every reader of the game's files takes its text from here.
std::string TextMode(std::string_view bytes);

// The file's text as above; nothing when the file cannot be opened for reading (it is missing,
// unreadable or a folder). A file is never created.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

}  // namespace valdren
