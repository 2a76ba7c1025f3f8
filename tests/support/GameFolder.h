#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace valdren::test {

// A fresh temporary folder for one test, removed with everything in it when the test ends.
class GameFolder {
 public:
  GameFolder();
  ~GameFolder();
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes the bytes exactly as given (no line-end translation) to the named file.
  void Write(std::string_view name, std::string_view bytes) const;
  // The named file's bytes, or an empty text when it does not exist.
  std::string Read(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace valdren::test
