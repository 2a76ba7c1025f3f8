#include "base/TextInput.h"

#include <fstream>

namespace valdren {

namespace {

// Text mode in place: the text ends at the first byte 26, and every carriage return directly
// before a line feed goes. One pass, no second buffer: database files run to megabytes.
void ToTextMode(std::string& text) {
  const std::size_t end = text.find('\x1a');
  if (end != std::string::npos) text.resize(end);
  std::size_t out = text.find("\r\n");
  if (out == std::string::npos) return;
  for (std::size_t in = out; in < text.size(); ++in) {
    if (text[in] == '\r' && in + 1 < text.size() && text[in + 1] == '\n') continue;
    text[out++] = text[in];
  }
  text.resize(out);
}

}  // namespace

std::string TextMode(std::string_view bytes) {
  std::string text(bytes);
  ToTextMode(text);
  return text;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  // Read in large blocks rather than character by character, into room for the whole file.
  std::string text;
  constexpr std::size_t kBlock = 1 << 16;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error) text.reserve(static_cast<std::size_t>(size) + kBlock);
  for (;;) {
    const std::size_t size = text.size();
    text.resize(size + kBlock);
    const std::streamsize got = file.rdbuf()->sgetn(text.data() + size, kBlock);
    text.resize(size + static_cast<std::size_t>(got > 0 ? got : 0));
    if (got < static_cast<std::streamsize>(kBlock)) break;
  }
  ToTextMode(text);
  return text;
}

}  // namespace valdren
