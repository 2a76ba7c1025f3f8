#include "oob/NumberedFiles.h"

#include <cstdio>
#include <string>

#include "base/TextInput.h"

namespace valdren {

namespace {

// Loads the file when it can be opened; tells whether it could.
ErrorText LoadIfPresent(const std::filesystem::path& folder, const std::string& name,
                        TextFileReader& reader, const FileLoader& load, bool& found) {
  const auto text = reader.Read(folder / name);
  if (!text) return std::nullopt;
  found = true;
  return load(name, *text);
}

}  // namespace

ErrorText LoadNumberedFiles(const std::filesystem::path& folder, std::string_view stem,
                            std::string_view extension, TextFileReader& reader,
                            const FileLoader& load) {
  constexpr int kNumberedFiles = 20;
  bool found = false;
  for (int number = 0; number < kNumberedFiles; ++number) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02d", number);
    const std::string name = std::string(stem) + digits + "." + std::string(extension);
    if (ErrorText error = LoadIfPresent(folder, name, reader, load, found)) return error;
  }
  if (found) return std::nullopt;
  return LoadIfPresent(folder, std::string(stem) + "." + std::string(extension), reader, load,
                       found);
}

}  // namespace valdren
