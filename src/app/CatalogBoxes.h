#pragma once

#include "catalog/CatalogMessages.h"

namespace valdren {

class Prompter;

// The catalog's messages as message boxes owned by the main window: OK alone, no icon, each
// shown before the catalog goes on. A broken template reached through many paths gives one box
// per path, so from the second box of a run on the user may skip the rest of the run; the boxes
// skipped are counted for the status bar.
class CatalogBoxes : public CatalogMessages {
 public:
  explicit CatalogBoxes(Prompter& prompter) : prompter_(prompter) {}

  void BeginMessages(int count) override;
  void Show(std::string_view text, std::string_view caption) override;

  // The boxes skipped since the last call.
  int TakeSkipped();

 private:
  Prompter& prompter_;
  int remaining_ = 0;
  bool firstShown_ = false;
  bool skipping_ = false;
  int skipped_ = 0;
};

}  // namespace valdren
