#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "catalog/CatalogEntry.h"

namespace valdren {
class UnitTemplate;
}  // namespace valdren

namespace valdren::cli {

// DATE as the commands take it: M/YY or MM/YY with a month 1..12 and a year 39..45.
std::optional<CatalogDate> ParseDate(std::string_view text);
// Checks a DATE option while the command line is parsed, so a malformed one is a usage error.
CLI::Validator DateValidator();

// A template as the database files name it: its type prefix and reference number, "C100001".
std::string RefText(int echelon, std::uint32_t reference);
std::string RefText(const UnitTemplate& unit);

}  // namespace valdren::cli
