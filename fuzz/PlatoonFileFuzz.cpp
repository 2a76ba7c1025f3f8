// Any bytes given to the platoon reader as a platoon file, both as they come and scrambled as the
// game stores them (so that the reader also meets the readable lines the fuzzer writes): no
// crash, one platoon for every line the reader takes, and the scrambling undoes itself for every
// byte it can give back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/String.h"
#include "base/TextInput.h"
#include "oob/Echelon.h"
#include "oob/OobDatabase.h"
#include "oob/PlatoonFile.h"

namespace {

// Every line is a platoon, a blank one too, but a final line feed starts none; a line longer than
// the reader takes goes on as further lines.
std::size_t LinesTaken(std::string_view text) {
  std::size_t lines = 0;
  while (!text.empty()) {
    const std::size_t feed = text.find('\n');
    const std::size_t length = feed == std::string_view::npos ? text.size() : feed;
    lines +=
        length == 0 ? 1 : (length + valdren::String::kReadLimit - 1) / valdren::String::kReadLimit;
    text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
  }
  return lines;
}

void Load(std::string_view file) {
  const std::string text = valdren::TextMode(file);
  valdren::OobDatabase database;
  if (valdren::LoadPlatoonFile(database, "platoon.obx", text)) __builtin_trap();
  if (database.Count(valdren::kPlatoon) != LinesTaken(text)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string scrambled = valdren::ScrambleFile(bytes);
  Load(bytes);
  Load(scrambled);

  // Code 127 folds onto a printable code when unscrambled, so only files without it come back.
  if (bytes.find('\x7f') == std::string_view::npos && valdren::UnscrambleFile(scrambled) != bytes)
    __builtin_trap();
  return 0;
}
