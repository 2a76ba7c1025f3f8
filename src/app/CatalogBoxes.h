#pragma once

#include "catalog/CatalogMessages.h"

namespace valdren {

class Prompter;

// The catalog's messages as message boxes owned by the main window: OK alone, no icon, each
// shown before the catalog goes on.
class CatalogBoxes : public CatalogMessages {
 public:
  explicit CatalogBoxes(Prompter& prompter) : prompter_(prompter) {}
  void Show(std::string_view text, std::string_view caption) override;

 private:
  Prompter& prompter_;
};

}  // namespace valdren
