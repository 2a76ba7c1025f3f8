#include "oob/NumberedFiles.h"

#include <string>

#include "base/TextInput.h"

namespace valdren {

namespace {

constexpr int kNumberedFiles = 20;

// "company07.oob"; the plain "company.oob" for no number.
std::string FileName(std::string_view stem, int number, std::string_view extension) {
  std::string name(stem);
  if (number >= 0) {
    name += static_cast<char>('0' + number / 10);
    name += static_cast<char>('0' + number % 10);
  }
  return name + "." + std::string(extension);
}

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
  bool found = false;
  for (int number = 0; number < kNumberedFiles; ++number)
    if (ErrorText error =
            LoadIfPresent(folder, FileName(stem, number, extension), reader, load, found))
      return error;
  if (found) return std::nullopt;
  return LoadIfPresent(folder, FileName(stem, -1, extension), reader, load, found);
}

bool HasFileOfSet(const std::filesystem::path& folder, std::string_view stem,
                  std::string_view extension) {
  std::error_code error;
  for (int number = -1; number < kNumberedFiles; ++number)
    if (std::filesystem::is_regular_file(folder / FileName(stem, number, extension), error))
      return true;
  return false;
}

}  // namespace valdren
