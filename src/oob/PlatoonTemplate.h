#pragma once

#include <array>

#include "base/String.h"
#include "oob/UnitTemplate.h"

namespace valdren {

class Scanner;

// A platoon: the leaf of every order of battle, read from one line of a platoon file. Its morale
// is always the base's 6, whatever its line holds.
class PlatoonTemplate : public UnitTemplate {
 public:
  PlatoonTemplate() : UnitTemplate(0) {}

  // Reads the next line of the platoon file into the template; items that cannot be read keep
  // their defaults. Fails the file scanner only when no line is left.
  Scanner& ReadPlatoon(Scanner& file);

  static constexpr int kValueCount = 24;

  int catalogValue = 0;  // shown by the catalog after the name
  // The line's other integers in order; the third to fifth default to 100.
  std::array<int, kValueCount> values{0, 0, 100, 100, 100};
  char mark = '1';
  String word;
  String secondName;
  String thirdName;
};

// Whether the catalog lists the platoon under "Platoons" with its value after the name
// ("Rifles [12]"): a platoon that is neither a leader, nor of category 3, nor of category 5
// (which is never listed there). The value a formation is worth counts these platoons only.
bool ShowsCatalogValue(const UnitTemplate& unit);

}  // namespace valdren
