#include "dialogs/MoraleDialog.h"

namespace valdren {

namespace {

// "10" to "1"; the two-digit button is a little wider.
constexpr RatingLayout::Place kPlaces[] = {{4, 24},   {30, 20},  {56, 20},  {82, 20},  {108, 20},
                                           {134, 20}, {160, 20}, {184, 20}, {210, 20}, {234, 20}};

RatingLayout Layout() {
  return {.name = QStringLiteral("MoraleDialog"),
          .caption = QStringLiteral("Morale Dialog"),
          .prompt = QStringLiteral("Select new morale value"),
          .width = 259,
          .height = 58,
          .ok = {53, 36, 50, 14},
          .cancel = {155, 35, 50, 14},
          .promptRect = {5, 7, 78, 8},
          .rowY = 19,
          .places = kPlaces};
}

}  // namespace

MoraleDialog::MoraleDialog(QWidget* owner, ShowHelp showHelp)
    : RatingDialog(owner, Layout(), std::move(showHelp)) {}

}  // namespace valdren
