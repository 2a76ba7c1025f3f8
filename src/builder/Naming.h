#pragma once

#include <optional>
#include <string_view>

#include "base/String.h"

namespace valdren {

// A name and the designation its children inherit through "#".
struct NameAndDesignation {
  String name;
  String designation;
};

// The name pattern of a template or a group, or none: a platoon added on its own has none.
using NamePattern = std::optional<std::string_view>;

// Where the first of the characters that make a name a pattern ("#", "$", "&" and "@") stands in
// the text, npos when none does; only the first one counts.
std::size_t FindNameMarker(std::string_view text);

// What follows a "$" or "@": an optional range group "(lo ... - hi ... )" and the text after it.
struct NumberPattern {
  int lo = 1;
  int hi = 999;
  std::string_view following;
};

// Reads the range group that may follow a "$" or "@" marker. A group that is cut short keeps
// what could be read: a bound that is missing or too large to read stays at its default, and
// when no ")" closes the group nothing follows it.
NumberPattern ReadNumberPattern(std::string_view afterMarker);
// The text after the range group without reading it, as the user types the whole designation.
std::string_view SkipNumberRange(std::string_view afterMarker);

// "st", "nd", "rd" or "th": 11, 12 and 13 (and 111, 212, ...) take "th".
std::string_view OrdinalSuffix(int n);
// The number in Roman numerals, thousands as repeated "M"; empty for zero and below.
String RomanNumeral(int n);

}  // namespace valdren
