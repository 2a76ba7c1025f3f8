#pragma once

#include <filesystem>
#include <string_view>

namespace valdren {

// A file name given as text (on the command line, in the editor's fields) is UTF-8 on every
// system. A path made from a char string takes it in the system's narrow encoding instead, which
// on Windows is a code page that cannot hold every name, so names go through char8_t.
inline std::filesystem::path Utf8Path(std::string_view name) {
  return std::filesystem::path(
      std::u8string_view(reinterpret_cast<const char8_t*>(name.data()), name.size()));
}

}  // namespace valdren
