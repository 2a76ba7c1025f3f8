#include "catalog/CatalogTexts.h"

#include <array>
#include <string>
#include <utility>

#include "oob/Echelon.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"
#include "oob/UnitTemplate.h"

namespace valdren {

namespace {

constexpr std::string_view kMissingSubunits = "Missing subunits for: ";

constexpr std::array<std::string_view, kEchelonCount> kEchelonGroups = {
    "Platoons", "Companies", "Battalions", "Regiments", "Brigades", "Divisions", "Corps", "Armies"};

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr int kFirstYear = 39;
constexpr std::array<std::string_view, 7> kYears = {"1939", "1940", "1941", "1942",
                                                    "1943", "1944", "1945"};

}  // namespace

String ChoiceText(int probability, const UnitTemplate& unit) {
  if (probability == 100) return unit.name;
  std::string text("(");
  text.append(std::to_string(probability)).append("%) ").append(unit.name.View());
  return String(std::move(text));
}

std::string_view EchelonGroupText(int echelon) {
  return echelon >= 0 && echelon < kEchelonCount ? kEchelonGroups[echelon] : std::string_view{};
}

String MissingTemplateText(const OrgTemplate& unit) {
  std::string text(kMissingSubunits);
  text.append(unit.name.View()).append(" (").append(std::to_string(unit.reference)).append(")");
  return String(std::move(text));
}

String MissingGroupText(const SubunitGroup& group, std::string_view ownerText) {
  std::string text(kMissingSubunits);
  text.append(group.name.View()).append(", ").append(ownerText);
  return String(std::move(text));
}

std::string_view MonthName(int month) {
  return month >= 1 && month <= 12 ? kMonths[month - 1] : std::string_view{};
}

std::string_view YearName(int year) {
  return year >= kFirstYear && year < kFirstYear + static_cast<int>(kYears.size())
             ? kYears[year - kFirstYear]
             : std::string_view{};
}

int MonthFromName(std::string_view text) {
  for (std::size_t i = 0; i < kMonths.size(); ++i)
    if (kMonths[i] == text) return static_cast<int>(i) + 1;
  return 1;
}

int YearFromName(std::string_view text) {
  for (std::size_t i = 0; i < kYears.size(); ++i)
    if (kYears[i] == text) return kFirstYear + static_cast<int>(i);
  return kFirstYear;
}

}  // namespace valdren
