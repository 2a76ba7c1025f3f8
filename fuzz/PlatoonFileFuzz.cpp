// Platoon files and name lists hold whatever bytes a file can: every reader has to take them
// without harm, and the scrambling has to undo itself for every byte it can give back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/TextInput.h"
#include "oob/NameLists.h"
#include "oob/OobDatabase.h"
#include "oob/PlatoonFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = valdren::TextMode(bytes);

  valdren::OobDatabase database;
  if (valdren::LoadPlatoonFile(database, "platoon.obx", text)) __builtin_trap();

  valdren::NameLists::List names;
  valdren::ReadNameList(text, names);

  // Code 127 folds onto a printable code when unscrambled, so only files without it come back.
  if (bytes.find('\x7f') == std::string_view::npos &&
      valdren::UnscrambleFile(valdren::ScrambleFile(bytes)) != bytes)
    __builtin_trap();
  return 0;
}
