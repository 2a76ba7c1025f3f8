#pragma once

#include "base/String.h"

namespace valdren {

class UnitTemplate;

// The text of one alternative of a group: the name alone when it is certain, otherwise the
// probability in front, as in "(30%) Rifle Company". The catalog's choice rows and the choice
// question show it.
String ChoiceText(int probability, const UnitTemplate& unit);

}  // namespace valdren
