#pragma once

#include <utility>

namespace valdren {

// An inclusive range of months; years are held as two digits (41 means 1941). The default range
// runs from June 1941 to December 1945.
struct DateRange {
  int startMonth = 6;
  int startYear = 41;
  int endMonth = 12;
  int endYear = 45;

  // Compares (year, month) as one key, years first; a range that starts after it ends holds no
  // date.
  bool InDateRange(int month, int year) const {
    const std::pair date{year, month};
    return std::pair{startYear, startMonth} <= date && date <= std::pair{endYear, endMonth};
  }
};

}  // namespace valdren
