#include "org/OrgLine.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "base/Scanner.h"
#include "oob/Echelon.h"
#include "org/OrgItem.h"

namespace valdren {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}

bool BreaksLine(char c) {
  return c == '\n' || c == '\r' || c == '\x1a';
}

void WriteBlanks(std::ostream& out, int count) {
  static constexpr std::string_view kBlanks = "                                                ";
  while (count > 0) {
    const int chunk = std::min(count, static_cast<int>(kBlanks.size()));
    out.write(kBlanks.data(), chunk);
    count -= chunk;
  }
}

// The start of an item line up to its name, formatted without touching the heap: the letter,
// then each number followed by one blank.
class LineStart {
 public:
  explicit LineStart(char letter) { data_[size_++] = letter; }

  template <typename Number>
  void Field(Number value) {
    char* const end = data_ + sizeof data_;
    const auto [last, error] = std::to_chars(data_ + size_, end - 1, value);
    if (error != std::errc()) return;
    size_ = static_cast<std::size_t>(last - data_);
    data_[size_++] = ' ';
  }

  void Write(std::ostream& out) const { out.write(data_, static_cast<std::streamsize>(size_)); }

 private:
  char data_[40];
  std::size_t size_ = 0;
};

}  // namespace

std::string WritableName(std::string_view name) {
  std::string written(name.substr(0, kWrittenNameLimit));
  std::replace_if(written.begin(), written.end(), BreaksLine, ' ');
  return written;
}

Scanner& ReadItemLine(Scanner& in, OrgItem& item) {
  // Zeros in front of the reference would make it octal, so they are passed over; when nothing
  // but zeros stands there, the reference is 0.
  const std::size_t start = in.Position();
  in.DropZeros();
  if (in.Position() > start && !IsDigit(in.Peek()))
    item.reference = 0;
  else
    in.ReadUnsigned(item.reference);
  in.ReadInt(item.id);
  in.ReadInt(item.morale);
  if (in.Failed()) return in;
  char blank = 0;
  in.Get(blank);  // the one blank in front of the name
  item.name.ReadLine(in);
  // An empty name, even one cut off by the end of the file, is a valid name.
  in.Clear();
  return in;
}

std::ostream& WriteItemLine(std::ostream& out, const OrgItem& item, int indent) {
  WriteBlanks(out, indent);
  LineStart start(EchelonLetter(item.echelon));
  start.Field(item.reference);
  start.Field(item.id);
  start.Field(item.morale);
  start.Write(out);
  const std::string_view name = item.name.View();
  if (name.size() <= kWrittenNameLimit && std::none_of(name.begin(), name.end(), BreaksLine)) {
    out.write(name.data(), static_cast<std::streamsize>(name.size()));
  } else {
    const std::string written = WritableName(name);
    out.write(written.data(), static_cast<std::streamsize>(written.size()));
  }
  return out.write(kLineEnd.data(), kLineEnd.size());
}

std::ostream& WriteEndLine(std::ostream& out, int indent) {
  WriteBlanks(out, indent);
  return out.write("End\r\n", 5);
}

}  // namespace valdren
