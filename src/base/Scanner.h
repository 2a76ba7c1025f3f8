#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/String.h"

namespace valdren {

// Reads tokens from text in place, the way the game's stream readers do. A read that fails puts
// the scanner into a failure state that every later read keeps, until Clear: so a record can be
// read item by item and tested once, and the items after a failure keep their defaults.
//
// Integers follow one rule everywhere: white space skipped, an optional sign, then digits; a
// leading "0x" or "0X" makes the number hexadecimal and any other leading "0" octal. Reading
// stops at the first character that cannot continue the number. No digit at all, or a value
// that does not fit, is a failure.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool Failed() const { return failed_; }
  explicit operator bool() const { return !failed_; }
  void Fail() { failed_ = true; }
  void Clear() { failed_ = false; }

  bool AtEnd() const { return pos_ >= text_.size(); }
  std::size_t Position() const { return pos_; }

  // The next character without taking it, or -1 at the end of the text or after a failure.
  int Peek() const {
    if (failed_ || AtEnd()) return -1;
    return static_cast<unsigned char>(text_[pos_]);
  }
  // Takes one character as it comes; fails at the end of the text.
  bool Get(char& c) {
    if (failed_ || AtEnd()) {
      failed_ = true;
      return false;
    }
    c = text_[pos_++];
    return true;
  }
  // Gives back the character taken last.
  void Unget() {
    if (pos_ > 0) --pos_;
  }
  void SkipWhite() {
    if (failed_) return;
    while (!AtEnd() && IsWhite(text_[pos_])) ++pos_;
  }
  // Skips white space, then takes one character; fails at the end of the text.
  bool NextNonBlank(char& c) {
    SkipWhite();
    return Get(c);
  }
  // Takes every "0" that stands directly at the current position.
  void DropZeros() {
    if (failed_) return;
    while (!AtEnd() && text_[pos_] == '0') ++pos_;
  }
  // Takes the next non-blank character if it is a "0"; months written 06 read as 6.
  void DropOneLeadingZero();

  bool ReadInt(int& value);
  // A value of 32 bits; a minus sign negates it modulo 2^32.
  bool ReadUnsigned(std::uint32_t& value);

  // Up to the delimiter (taken, not returned) or up to limit characters, whichever comes first.
  // Fails when nothing is left.
  std::string_view ReadLine(std::size_t limit, char delimiter = '\n');
  // White space skipped, then up to the next white space, at most limit characters. Fails when
  // no word is left.
  std::string_view ReadWord(std::size_t limit);
  // Everything from the current position to the end of the text (empty after a failure).
  std::string_view TakeRest();
  // Takes everything up to and including the next delimiter; fails when there is none.
  bool SkipPast(char delimiter);

 private:
  // Reads the magnitude of a number whose sign has been taken; false when no digit stands here
  // or the magnitude exceeds limit.
  bool ReadMagnitude(std::uint64_t limit, std::uint64_t& magnitude);
  bool ReadSign(bool& negative);

  std::string_view text_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace valdren
