#include "builder/Naming.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "base/Scanner.h"

namespace valdren {

namespace {

// Reads an integer where the scanner stands; a number that cannot be read leaves the value as
// it was and the scanner ready to go on.
void ReadBound(Scanner& in, int& value) {
  int read = 0;
  if (in.ReadInt(read))
    value = read;
  else
    in.Clear();
}

}  // namespace

std::size_t FindNameMarker(std::string_view text) {
  // One test a character: find_first_of would search the list of markers for every one.
  const auto marker = std::ranges::find_if(
      text, [](char c) { return c == '#' || c == '$' || c == '&' || c == '@'; });
  return marker == text.end() ? std::string_view::npos
                              : static_cast<std::size_t>(marker - text.begin());
}

NumberPattern ReadNumberPattern(std::string_view afterMarker) {
  NumberPattern pattern;
  if (!afterMarker.starts_with('(')) {
    pattern.following = afterMarker;
    return pattern;
  }
  // Bounds are read by the program's integer rule; "any characters" may stand between the lower
  // bound and the "-" and between the upper bound and the ")".
  const std::string_view group = afterMarker.substr(1);
  Scanner in(group);
  ReadBound(in, pattern.lo);
  std::size_t at = in.Position();
  if (const std::size_t dash = group.find('-', at); dash != std::string_view::npos) {
    Scanner upper(group.substr(dash + 1));
    ReadBound(upper, pattern.hi);
    at = dash + 1 + upper.Position();
  }
  const std::size_t close = group.find(')', at);
  pattern.following =
      close == std::string_view::npos ? std::string_view{} : group.substr(close + 1);
  return pattern;
}

std::string_view SkipNumberRange(std::string_view afterMarker) {
  if (!afterMarker.starts_with('(')) return afterMarker;
  const std::size_t close = afterMarker.find(')');
  return close == std::string_view::npos ? std::string_view{} : afterMarker.substr(close + 1);
}

std::string_view OrdinalSuffix(int n) {
  if (n / 10 % 10 == 1) return "th";
  switch (n % 10) {
    case 1:
      return "st";
    case 2:
      return "nd";
    case 3:
      return "rd";
    default:
      return "th";
  }
}

String RomanNumeral(int n) {
  static constexpr std::array<std::pair<int, std::string_view>, 13> kDigits{{{1000, "M"},
                                                                             {900, "CM"},
                                                                             {500, "D"},
                                                                             {400, "CD"},
                                                                             {100, "C"},
                                                                             {90, "XC"},
                                                                             {50, "L"},
                                                                             {40, "XL"},
                                                                             {10, "X"},
                                                                             {9, "IX"},
                                                                             {5, "V"},
                                                                             {4, "IV"},
                                                                             {1, "I"}}};
  std::string text;
  for (const auto& [value, digits] : kDigits) {
    for (; n >= value; n -= value)
      text += digits;
  }
  return String(std::move(text));
}

}  // namespace valdren
