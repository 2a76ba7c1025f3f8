#pragma once

#include "dialogs/RatingDialog.h"

namespace valdren {

// Asks for a leader's new command rating, 1 to 5 ("5" on the left). The rating starts at 1;
// SetValue(0), a leader without a rating yet, shows "1" too.
class CommandDialog : public RatingDialog {
 public:
  explicit CommandDialog(QWidget* owner, ShowHelp showHelp = {});
};

}  // namespace valdren
