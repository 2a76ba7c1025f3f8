#include "base/Scanner.h"

#include <array>
#include <limits>


namespace valdren {

namespace {

// Each byte's value as a digit of any base up to 16, or 99: a table, since numbers are most of
// what the database's files hold.
constexpr auto kDigitValues = [] {
  std::array<unsigned char, 256> values{};
  for (int c = 0; c < 256; ++c) {
    if (c >= '0' && c <= '9')
      values[c] = static_cast<unsigned char>(c - '0');
    else if (c >= 'a' && c <= 'f')
      values[c] = static_cast<unsigned char>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F')
      values[c] = static_cast<unsigned char>(c - 'A' + 10);
    else
      values[c] = 99;
  }
  return values;
}();

unsigned DigitValue(char c) {
  return kDigitValues[static_cast<unsigned char>(c)];
}

}  // namespace

void Scanner::DropOneLeadingZero() {
  SkipWhite();
  if (Peek() == '0') ++pos_;
}

// Inline, as the magnitude below: numbers are most of what the database's files hold, and a call
// for each part of each number costs a twentieth of a load.
inline bool Scanner::ReadSign(bool& negative) {
  SkipWhite();
  if (failed_) return false;
  negative = false;
  if (!AtEnd() && (text_[pos_] == '+' || text_[pos_] == '-')) {
    negative = text_[pos_] == '-';
    ++pos_;
  }
  return true;
}

inline bool Scanner::ReadMagnitude(std::uint64_t limit, std::uint64_t& magnitude) {
  unsigned base = 10;
  if (Peek() == '0') {
    const bool hex = pos_ + 2 < text_.size() && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X') &&
                     DigitValue(text_[pos_ + 2]) < 16;
    base = hex ? 16 : 8;
    if (hex) pos_ += 2;
  }
  // In locals: the magnitude's and the position's stores could alias each other.
  const std::size_t start = pos_;
  std::size_t pos = pos_;
  std::uint64_t value = 0;
  bool overflow = false;
  for (unsigned digit = 0; pos < text_.size() && (digit = DigitValue(text_[pos])) < base; ++pos) {
    value = value * base + digit;
    if (value > limit) {
      overflow = true;
      value = limit;
    }
  }
  pos_ = pos;
  magnitude = value;
  return pos > start && !overflow;
}

bool Scanner::ReadInt(int& value) {
  bool negative = false;
  std::uint64_t magnitude = 0;
  const std::uint64_t limit = std::uint64_t{std::numeric_limits<int>::max()} + 1;
  if (!ReadSign(negative) || !ReadMagnitude(limit, magnitude) || (!negative && magnitude == limit)) {
    failed_ = true;
    return false;
  }
  value = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude))
                   : static_cast<int>(magnitude);
  return true;
}

bool Scanner::ReadUnsigned(std::uint32_t& value) {
  bool negative = false;
  std::uint64_t magnitude = 0;
  if (!ReadSign(negative) || !ReadMagnitude(std::numeric_limits<std::uint32_t>::max(), magnitude)) {
    failed_ = true;
    return false;
  }
  value = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
  return true;
}

std::string_view Scanner::ReadLine(std::size_t limit, char delimiter) {
  if (failed_ || AtEnd()) {
    failed_ = true;
    return {};
  }
  // string_view's search of one byte is memchr, many times faster than a loop.
  const std::string_view window = text_.substr(pos_, limit);
  const std::string_view line = window.substr(0, window.find(delimiter));
  pos_ += line.size();
  if (!AtEnd() && text_[pos_] == delimiter) ++pos_;
  return line;
}

std::string_view Scanner::ReadWord(std::size_t limit) {
  SkipWhite();
  if (failed_ || AtEnd()) {
    failed_ = true;
    return {};
  }
  const std::size_t start = pos_;
  while (!AtEnd() && !IsWhite(text_[pos_]) && pos_ - start < limit) ++pos_;
  return text_.substr(start, pos_ - start);
}

std::string_view Scanner::TakeRest() {
  if (failed_) return {};
  const std::string_view rest = text_.substr(pos_);
  pos_ = text_.size();
  return rest;
}

bool Scanner::SkipPast(char delimiter) {
  if (failed_) return false;
  const std::size_t end = text_.find(delimiter, pos_);
  if (end == std::string_view::npos) {
    pos_ = text_.size();
    failed_ = true;
    return false;
  }
  pos_ = end + 1;
  return true;
}

}  // namespace valdren
