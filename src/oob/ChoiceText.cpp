#include "oob/ChoiceText.h"

#include <string>

#include "oob/UnitTemplate.h"

namespace valdren {

String ChoiceText(int probability, const UnitTemplate& unit) {
  if (probability == 100) return unit.name;
  std::string text = "(" + std::to_string(probability) + "%) ";
  text += unit.name.View();
  return String(std::move(text));
}

}  // namespace valdren
