#include "app/CatalogBoxes.h"

#include <QObject>

#include "app/Prompter.h"
#include "gui/GameText.h"
#include "gui/WaitCursor.h"

namespace valdren {

void CatalogBoxes::BeginMessages(int count) {
  remaining_ = count;
  firstShown_ = false;
  skipping_ = false;
}

void CatalogBoxes::Show(std::string_view text, std::string_view caption) {
  remaining_ = remaining_ > 0 ? remaining_ - 1 : 0;  // the boxes after this one
  if (skipping_) {
    ++skipped_;
    return;
  }
  // The catalog is filled under the hourglass; its messages are questions like any other.
  const WaitCursor::Lifted lifted;
  const QString shownText = FromGameText(text);
  const QString shownCaption = FromGameText(caption);
  if (!firstShown_ || remaining_ == 0) {
    firstShown_ = true;
    prompter_.Message(shownText, shownCaption, MessageIcon::kNone, MessageButtons::kOk);
    return;
  }
  const QString skip = remaining_ == 1
                           ? QObject::tr("Skip the remaining message")
                           : QObject::tr("Skip the remaining %1 messages").arg(remaining_);
  skipping_ = prompter_.MessageWithCheckBox(shownText, shownCaption, skip);
}

int CatalogBoxes::TakeSkipped() {
  const int skipped = skipped_;
  skipped_ = 0;
  return skipped;
}

}  // namespace valdren
