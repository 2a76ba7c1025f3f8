#include "support/GameFolder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace valdren::test {

// A name no other folder has: creating a folder that exists fails, and another name is tried.
GameFolder::GameFolder() {
  const std::filesystem::path temporary = std::filesystem::temp_directory_path();
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = temporary / ("valdren-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("cannot create a temporary folder");
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
