#pragma once

#include <string_view>

namespace valdren {

inline constexpr int kNationCount = 20;

// "Russia", "Germany", ... "Free France" for 0..19; "Unknown" for anything else.
std::string_view NationName(int nation);
// Germany and its allies (1..6) and every value from 20 up count as Axis.
bool IsAxis(int nation);

}  // namespace valdren
