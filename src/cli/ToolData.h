#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "base/ErrorText.h"
#include "catalog/CatalogEntry.h"

namespace valdren {
class OobDatabase;
class UnitTemplate;
}  // namespace valdren

namespace valdren::cli {

// Loads the database of the current folder as the editor does at start-up, writing error.log
// anew there. Returns the text of the error that stopped the load; what was loaded before it
// stays, so a command can go on with it.
ErrorText LoadGameDatabase(OobDatabase& database);

// DATE as the commands take it: M/YY or MM/YY with a month 1..12 and a year 39..45.
std::optional<CatalogDate> ParseDate(std::string_view text);
// Checks a DATE option while the command line is parsed, so a malformed one is a usage error.
CLI::Validator DateValidator();

// A template as the database files name it: its type prefix and reference number, "C100001".
std::string RefText(const UnitTemplate& unit);

// JSON text is Unicode: every byte of a name becomes the character of the same code, so that
// nothing is lost and the bytes come back by mapping the characters back.
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace valdren::cli
