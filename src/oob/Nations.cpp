#include "oob/Nations.h"

namespace valdren {

namespace {
constexpr std::string_view kNames[kNationCount] = {
    "Russia",        "Germany",      "Italy",          "Romania",      "Hungary",
    "Finland",       "Slovakia",     "Poland",         "France",       "Great Britain",
    "United States", "Netherlands",  "Belgium",        "Yugoslavia",   "Norway",
    "Greece",        "Vichy France", "Allied Romania", "Allied Italy", "Free France"};
}  // namespace

std::string_view NationName(int nation) {
  return nation >= 0 && nation < kNationCount ? kNames[nation] : "Unknown";
}

bool IsAxis(int nation) {
  return (nation >= 1 && nation <= 6) || nation >= kNationCount;
}

}  // namespace valdren
