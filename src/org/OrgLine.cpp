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

// A line put together in a buffer and handed to the stream in one piece, as few times as its length
// allows: saving an army writes a hundred thousand lines, and each call into the stream costs more
// than copying the line's bytes.
class LineBuffer {
 public:
  explicit LineBuffer(std::ostream& out) : out_(out) {}

  void Blanks(int count) {
    static constexpr std::string_view kBlanks = "                                ";
    for (; count > 0; count -= static_cast<int>(kBlanks.size()))
      Append(kBlanks.substr(0, static_cast<std::size_t>(count)));
  }
  void Put(char c) {
    if (size_ == sizeof data_) Flush();
    data_[size_++] = c;
  }
  void Append(std::string_view text) {
    for (;;) {
      const std::size_t part = std::min(text.size(), sizeof data_ - size_);
      text.copy(data_ + size_, part);
      size_ += part;
      text.remove_prefix(part);
      if (text.empty()) return;
      Flush();
    }
  }
  // The number followed by one blank.
  template <typename Number>
  void Field(Number value) {
    char digits[16];
    Append({digits, std::to_chars(digits, digits + sizeof digits, value).ptr});
    Put(' ');
  }

  std::ostream& Flush() {
    out_.write(data_, static_cast<std::streamsize>(size_));
    size_ = 0;
    return out_;
  }

 private:
  std::ostream& out_;
  char data_[256];
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
  LineBuffer line(out);
  line.Blanks(indent);
  line.Put(EchelonLetter(item.echelon));
  line.Field(item.reference);
  line.Field(item.id);
  line.Field(item.morale);
  const std::string_view name = item.name.View();
  if (name.size() <= kWrittenNameLimit &&
      std::ranges::none_of(name, [](char c) { return BreaksLine(c); }))
    line.Append(name);
  else
    line.Append(WritableName(name));
  line.Append(kLineEnd);
  return line.Flush();
}

std::ostream& WriteEndLine(std::ostream& out, int indent) {
  LineBuffer line(out);
  line.Blanks(indent);
  line.Append("End\r\n");
  return line.Flush();
}

}  // namespace valdren
