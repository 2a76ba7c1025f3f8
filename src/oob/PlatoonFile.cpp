#include "oob/PlatoonFile.h"

#include <algorithm>
#include <memory>
#include <span>

#include "base/Scanner.h"
#include "base/TextInput.h"
#include "oob/NumberedFiles.h"
#include "oob/OobDatabase.h"
#include "oob/PlatoonTemplate.h"

namespace valdren {

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 127;  // the shift takes it in although it is not printable
constexpr int kPrintableCodes = 95;

// Moves every code of 32..127 by delta places among the 95 printable codes. The shift is taken
// as 0 to 94 places forward, so that every place fits a byte and wraps at most once: the
// compiler then works on many characters at once, without a division for each.
void Shift(std::span<char> line, int delta) {
  const int forward = (delta % kPrintableCodes + kPrintableCodes) % kPrintableCodes;
  for (char& c : line) {
    const auto code = static_cast<unsigned char>(c);
    auto place = static_cast<unsigned char>(code - kFirstCode + forward);
    place = place >= kPrintableCodes ? static_cast<unsigned char>(place - kPrintableCodes) : place;
    const bool shifted = code >= kFirstCode && code <= kLastCode;
    c = shifted ? static_cast<char>(kFirstCode + place) : c;
  }
}

// The shift of a line: its length, except that a line of exactly 95 characters moves by 96.
int ShiftOf(std::span<const char> line) {
  const std::size_t length = line.size();
  return length == kPrintableCodes ? kPrintableCodes + 1
                                   : static_cast<int>(length % kPrintableCodes);
}

std::string ShiftFile(std::string_view bytes, void (*shift)(std::string&)) {
  const std::size_t textEnd = std::min(bytes.find('\x1a'), bytes.size());
  const std::string_view text = bytes.substr(0, textEnd);
  std::string out;
  out.reserve(bytes.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t feed = text.find('\n', pos);
    const std::size_t next = feed == std::string_view::npos ? text.size() : feed + 1;
    std::size_t lineEnd = std::min(feed, text.size());
    if (feed != std::string_view::npos && lineEnd > pos && text[lineEnd - 1] == '\r') --lineEnd;
    for (std::size_t piece = pos; piece < lineEnd; piece += String::kReadLimit) {
      std::string part(text.substr(piece, std::min(String::kReadLimit, lineEnd - piece)));
      shift(part);
      out += part;
    }
    out += text.substr(lineEnd, next - lineEnd);
    pos = next;
  }
  out += bytes.substr(textEnd);
  return out;
}

}  // namespace

void Unscramble(std::span<char> line) {
  Shift(line, -ShiftOf(line));
}

void Unscramble(std::string& line) {
  Unscramble(std::span<char>(line));
}

void Scramble(std::string& line) {
  Shift(line, ShiftOf(line));
}

std::string UnscrambleFile(std::string_view bytes) {
  return ShiftFile(bytes, Unscramble);
}

std::string ScrambleFile(std::string_view bytes) {
  return ShiftFile(bytes, Scramble);
}

void SplitAtComma(String& source, String& destination) {
  const std::string_view text = source.View();
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) {
    destination = source;
    return;
  }
  std::string_view after = text.substr(comma + 1);
  while (!after.empty() && IsWhite(after.front()))
    after.remove_prefix(1);
  std::string_view before = text.substr(0, comma);
  while (!before.empty() && IsWhite(before.back()))
    before.remove_suffix(1);
  destination = after;
  source = String(before);  // before is a view of source's own text: copy it out first
}

ErrorText LoadPlatoonFile(OobDatabase& database, std::string_view fileName, std::string_view text) {
  // One platoon a line.
  database.Reserve(kPlatoon,
                   static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  Scanner file(text);
  int lineNumber = 1;
  // Each platoon is appended once the next line is read, so that its place in the index comes
  // from memory meanwhile.
  ArenaPtr<PlatoonTemplate> read;
  const auto appendRead = [&] {
    if (read) database.Append(std::move(read));
  };
  while (!file.Failed() && !file.AtEnd()) {
    ArenaPtr<PlatoonTemplate> platoon = database.MakePlatoon();
    platoon->ReadPlatoon(file);
    if (file.Failed()) {
      appendRead();
      return "File " + std::string(fileName) + ": line " + std::to_string(lineNumber) +
             ": error reading data";
    }
    database.Prefetch(kPlatoon, platoon->reference);
    appendRead();
    read = std::move(platoon);
    ++lineNumber;
  }
  appendRead();
  return std::nullopt;
}

ErrorText LoadPlatoons(OobDatabase& database, const std::filesystem::path& folder,
                       TextFileReader& reader) {
  return LoadNumberedFiles(folder, "platoon", "obx", reader,
                           [&database](std::string_view fileName, std::string_view text) {
                             return LoadPlatoonFile(database, fileName, text);
                           });
}

}  // namespace valdren
