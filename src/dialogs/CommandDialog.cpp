#include "dialogs/CommandDialog.h"

namespace valdren {

namespace {

// "5" to "1".
constexpr RatingLayout::Place kPlaces[] = {{4, 20}, {30, 20}, {54, 20}, {80, 20}, {104, 20}};

RatingLayout Layout() {
  return {.name = QStringLiteral("CommandDialog"),
          .caption = QStringLiteral("Command Dialog"),
          .prompt = QStringLiteral("Select new command value"),
          .width = 135,
          .height = 52,
          .ok = {7, 34, 50, 14},
          .cancel = {77, 34, 50, 14},
          .promptRect = {4, 4, 98, 8},
          .rowY = 18,
          .places = kPlaces};
}

}  // namespace

CommandDialog::CommandDialog(QWidget* owner, ShowHelp showHelp)
    : RatingDialog(owner, Layout(), std::move(showHelp)) {}

}  // namespace valdren
