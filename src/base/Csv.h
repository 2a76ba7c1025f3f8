#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace valdren {

// One row of a CSV table as RFC 4180 writes it, for spreadsheets: fields separated by commas, a
// field quoted (its quotes doubled) when it holds a comma, a quote or a line end, and the row
// ended by carriage return and line feed.
std::string CsvRow(const std::vector<std::string>& fields);

}  // namespace valdren
