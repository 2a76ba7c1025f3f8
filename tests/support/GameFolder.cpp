#include "support/GameFolder.h"

#include <stdlib.h>

#include <stdexcept>

#include <fstream>
#include <iterator>

namespace valdren::test {

GameFolder::GameFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "valdren-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  path_ = pattern;
}

GameFolder::~GameFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void GameFolder::Write(std::string_view name, std::string_view bytes) const {
  std::ofstream file(path_ / name, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + std::string(name));
}

std::string GameFolder::Read(std::string_view name) const {
  std::ifstream file(path_ / name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

}  // namespace valdren::test
