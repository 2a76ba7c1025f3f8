#include "base/TextInput.h"

#include <algorithm>
#include <fstream>

#include "base/HugePages.h"

namespace valdren {

namespace {

// Text mode in place: the text ends at the first byte 26, and every carriage return directly
// before a line feed goes. One pass, no second buffer: database files run to megabytes. Returns
// the text's new size.
std::size_t ToTextMode(char* text, std::size_t size) {
  // string_view's search of one byte is memchr, many times faster than a loop on a long text.
  size = std::min(std::string_view(text, size).find('\x1a'), size);
  const std::string_view view(text, size);
  std::size_t out = view.find("\r\n");
  if (out == std::string_view::npos) return size;
  for (std::size_t in = out; in < size; ++in) {
    if (text[in] == '\r' && in + 1 < size && text[in + 1] == '\n') continue;
    text[out++] = text[in];
  }
  return out;
}

}  // namespace

std::string TextMode(std::string_view bytes) {
  std::string text(bytes);
  text.resize(ToTextMode(text.data(), text.size()));
  return text;
}

void TextFileReader::Release() {
  if (buffer_) FreeHugePages(buffer_, capacity_);
  buffer_ = nullptr;
  capacity_ = 0;
}

void TextFileReader::Reserve(std::size_t bytes, std::size_t size) {
  if (bytes <= capacity_) return;
  const std::size_t capacity = HugePagesFor(bytes);
  auto* const grown = static_cast<char*>(AllocateHugePages(capacity));
  std::copy(buffer_, buffer_ + size, grown);
  Release();
  buffer_ = grown;
  capacity_ = capacity;
}

std::optional<std::string_view> TextFileReader::Read(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  // Room for the whole file and one byte more, which tells whether it grew since its size was
  // taken; then it is read on in blocks.
  const std::uintmax_t expected = std::filesystem::file_size(path, error);
  const std::size_t first = error ? 1 << 16 : static_cast<std::size_t>(expected) + 1;
  // The buffer is kept while the files fit it and fill a good part of it: a fresh one costs its
  // page faults again, a large idle one adds to what a loader holds at its end.
  if (first > capacity_ || first < capacity_ / 4) Release();
  std::size_t size = 0;
  for (std::size_t wanted = first;; wanted = capacity_) {
    Reserve(size + wanted, size);
    const std::size_t room = capacity_ - size;
    const std::streamsize got =
        file.rdbuf()->sgetn(buffer_ + size, static_cast<std::streamsize>(room));
    size += static_cast<std::size_t>(std::max<std::streamsize>(got, 0));
    if (got < static_cast<std::streamsize>(room)) break;
  }
  return std::string_view(buffer_, ToTextMode(buffer_, size));
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
  TextFileReader reader;
  const auto text = reader.Read(path);
  if (!text) return std::nullopt;
  return std::string(*text);
}

}  // namespace valdren
