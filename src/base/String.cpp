#include "base/String.h"

#include <algorithm>

#include "base/Scanner.h"

namespace valdren {

String& String::operator=(const char* text) {
  text_ = text ? text : "";
  return *this;
}

String& String::operator+=(std::string_view text) {
  text_ += text;
  return *this;
}

String& String::operator+=(const char* text) {
  if (text) text_ += text;
  return *this;
}

String operator+(const String& left, std::string_view right) {
  std::string joined;
  joined.reserve(left.Length() + right.size());
  joined.append(left.View()).append(right);
  return String(std::move(joined));
}

String operator+(std::string_view left, const String& right) {
  std::string joined;
  joined.reserve(left.size() + right.Length());
  joined.append(left).append(right.View());
  return String(std::move(joined));
}

String operator+(const String& left, const String& right) {
  return left + right.View();
}

String operator+(const String& left, const char* right) {
  return left + std::string_view(right ? right : "");
}

String operator+(const char* left, const String& right) {
  return std::string_view(left ? left : "") + right;
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsWhite);
}

bool String::IsBlank() const {
  return valdren::IsBlank(text_);
}

bool String::ReadLine(Scanner& in, char delimiter) {
  text_ = in.ReadLine(kReadLimit, delimiter);
  return !in.Failed();
}

bool String::ReadWord(Scanner& in) {
  text_ = in.ReadWord(kReadLimit);
  return !in.Failed();
}

void String::Write(std::ostream& out, char end) const {
  out << text_ << end;
}

std::ostream& operator<<(std::ostream& out, const String& text) {
  return out << text.View();
}

}  // namespace valdren
