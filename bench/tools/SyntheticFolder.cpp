// Writes a synthetic game folder for whole-process measurements of the tool:
//   synthetic-folder FOLDER TEMPLATES [near|scattered]
// The folder is created when missing; the bytes written are printed.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "support/SyntheticGameFolder.h"

int main(int argc, char** argv) {
  using namespace valdren;
  const std::string_view kind = argc > 3 ? argv[3] : "near";
  int templates = 0;
  const std::string_view count = argc > 2 ? argv[2] : "";
  if (argc < 3 || argc > 4 || (kind != "near" && kind != "scattered") ||
      std::from_chars(count.data(), count.data() + count.size(), templates).ec != std::errc() ||
      templates < 1) {
    std::fputs("usage: synthetic-folder FOLDER TEMPLATES [near|scattered]\n", stderr);
    return 2;
  }
  bench::SyntheticShape shape = bench::ShapeOfSize(templates);
  shape.scatteredChoices = kind == "scattered";
  std::filesystem::create_directories(argv[1]);
  std::printf("%ju\n", bench::WriteSyntheticGameFolder(argv[1], shape));
  return 0;
}
