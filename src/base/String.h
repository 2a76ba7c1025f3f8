#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace valdren {

class Scanner;

// The text of names, labels and messages: bytes as the game's files hold them, never null,
// every copy owning its own bytes.
class String {
 public:
  // Reads of a line or a word take at most this many characters, as the game's readers do.
  static constexpr std::size_t kReadLimit = 1023;

  String() = default;
  String(const char* text) : text_(text ? text : "") {}  // NOLINT: texts convert freely
  String(std::string_view text) : text_(text) {}         // NOLINT
  explicit String(std::string text) : text_(std::move(text)) {}

  String& operator=(const char* text);
  String& operator+=(std::string_view text);
  String& operator+=(const char* text);

  friend String operator+(const String& left, std::string_view right);
  friend String operator+(std::string_view left, const String& right);
  friend String operator+(const String& left, const String& right);
  // A literal would convert both ways; a null text joins as an empty one.
  friend String operator+(const String& left, const char* right);
  friend String operator+(const char* left, const String& right);
  bool operator==(const String& other) const = default;
  bool operator==(std::string_view other) const { return text_ == other; }
  // Without it a literal converts both ways and the comparison is ambiguous; null is empty.
  bool operator==(const char* other) const { return text_ == (other ? other : ""); }

  const char* c_str() const { return text_.c_str(); }
  std::string_view View() const { return text_; }
  const std::string& Std() const { return text_; }
  std::size_t Length() const { return text_.size(); }
  bool Empty() const { return text_.empty(); }

  // True when empty or made only of white space (blank, tab, CR, LF, VT, FF).
  bool IsBlank() const;

  // Replaces the text with the next line: up to the delimiter (consumed, not kept) or up to
  // kReadLimit characters, whichever comes first; the rest of a longer line stays for the next
  // read. Fails the scanner, leaving the text empty, when nothing is left.
  bool ReadLine(Scanner& in, char delimiter = '\n');
  // Replaces the text with the next word: white space skipped, then up to the next white space,
  // at most kReadLimit characters. Fails the scanner when no word is left.
  bool ReadWord(Scanner& in);

  // Writes the text, then the given character.
  void Write(std::ostream& out, char end) const;

 private:
  std::string text_;
};

std::ostream& operator<<(std::ostream& out, const String& text);

// White space as the game's readers see it.
constexpr bool IsWhite(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsBlank(std::string_view text);

}  // namespace valdren
