#pragma once

#include <string_view>

#include "base/String.h"

namespace valdren {

class OrgTemplate;
class UnitTemplate;
struct SubunitGroup;

inline constexpr std::string_view kCatalogRootText = "Available Units and Organizations";
// The caption of the boxes that report a template whose breakdown is missing at the filter date.
inline constexpr std::string_view kInternalDataError = "Internal Data Error";

// The text of one alternative of a group: the name alone when it is certain, otherwise the
// probability in front, as in "(30%) Rifle Company". Also the entries of the choice dialog.
String ChoiceText(int probability, const UnitTemplate& unit);

// The text an echelon group row shows: "Platoons" .. "Armies"; empty outside 0..7.
std::string_view EchelonGroupText(int echelon);

// "Missing subunits for: " with the template's name and reference: none of its groups exists at
// the filter date.
String MissingTemplateText(const OrgTemplate& unit);
// "Missing subunits for: " with the group's name and the text of the row that owns the group
// (which may begin with a probability): none of its choices exists at the filter date.
String MissingGroupText(const SubunitGroup& group, std::string_view ownerText);

// The entries of the filter boxes: "January" .. "December" for 1..12 and "1939" .. "1945" for
// 39..45; an empty text outside those (a date read from a file is not range checked).
std::string_view MonthName(int month);
std::string_view YearName(int year);
// The value of an exactly matching (case-sensitive) name; January and 1939 when nothing matches,
// which is what an empty box, one without a selection, reads as.
int MonthFromName(std::string_view text);
int YearFromName(std::string_view text);

}  // namespace valdren
