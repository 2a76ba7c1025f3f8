#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace valdren {

// The game's files are read as text the way its platform reads them: a carriage return directly
// before a line feed is not part of the line, a byte 26 (Ctrl-Z) ends the text, and the last
// line counts without a line end. Every reader of the game's files takes its text from here.
std::string TextMode(std::string_view bytes);

// Reads whole files as text, as above, each with one read into a buffer that later files reuse
// while they fill a good part of it: the database is dozens of files of up to megabytes, read
// one after another.
class TextFileReader {
 public:
  TextFileReader() = default;
  ~TextFileReader() { Release(); }
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  // The file's text, valid until the next read; nothing when the file cannot be opened for
  // reading (it is missing, unreadable or a folder). A file is never created.
  std::optional<std::string_view> Read(const std::filesystem::path& path);

 private:
  void Release();
  // Room for at least this many bytes, keeping the size bytes read so far.
  void Reserve(std::size_t bytes, std::size_t size);

  char* buffer_ = nullptr;  // never zeroed: each read overwrites what it uses
  std::size_t capacity_ = 0;
};

// The file's text as above, in a string of its own.
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

}  // namespace valdren
