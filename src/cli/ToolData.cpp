#include "cli/ToolData.h"

#include <charconv>
#include <filesystem>
#include <fstream>

#include "oob/Echelon.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/UnitTemplate.h"

namespace valdren::cli {

ErrorText LoadGameDatabase(OobDatabase& database) {
  // The log is for people; a folder where it cannot be written still has a database to read.
  std::ofstream logFile("error.log", std::ios::binary | std::ios::trunc);
  ErrorLog log(logFile);
  return database.LoadDatabase(std::filesystem::current_path(), log);
}

namespace {

// A number of one or two decimal digits and nothing else.
std::optional<int> SmallNumber(std::string_view digits) {
  int value = 0;
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  const auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (failure != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<CatalogDate> ParseDate(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const auto month = SmallNumber(text.substr(0, slash));
  const auto year = SmallNumber(text.substr(slash + 1));
  if (!month || !year) return std::nullopt;
  if (*month < 1 || *month > 12 || *year < 39 || *year > 45) return std::nullopt;
  return CatalogDate{*month, *year};
}

CLI::Validator DateValidator() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        return ParseDate(text) ? std::string()
                               : "DATE must be M/YY or MM/YY with a year 39..45: " + text;
      },
      "DATE");
}

std::string RefText(const UnitTemplate& unit) {
  return EchelonLetter(unit.echelon) + std::to_string(unit.reference);
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | code >> 6);
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return text;
}

}  // namespace valdren::cli
