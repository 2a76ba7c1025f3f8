#pragma once

#include "dialogs/RatingDialog.h"

namespace valdren {

// Asks for a unit's new morale, 1 to 10 ("10" on the left). SetValue takes the unit's current
// morale; until then "1" is checked.
class MoraleDialog : public RatingDialog {
 public:
  explicit MoraleDialog(QWidget* owner, ShowHelp showHelp = {});
};

}  // namespace valdren
