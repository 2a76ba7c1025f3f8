#include "app/CatalogBoxes.h"

#include "app/GameText.h"
#include "app/Prompter.h"

namespace valdren {

void CatalogBoxes::Show(std::string_view text, std::string_view caption) {
  prompter_.Message(FromGameText(text), FromGameText(caption), MessageIcon::kNone,
                    MessageButtons::kOk);
}

}  // namespace valdren
