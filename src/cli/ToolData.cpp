#include "cli/ToolData.h"

#include <charconv>

#include "oob/Echelon.h"
#include "oob/UnitTemplate.h"

namespace valdren::cli {

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

std::string RefText(int echelon, std::uint32_t reference) {
  return EchelonLetter(echelon) + std::to_string(reference);
}

std::string RefText(const UnitTemplate& unit) {
  return RefText(unit.echelon, unit.reference);
}

}  // namespace valdren::cli
