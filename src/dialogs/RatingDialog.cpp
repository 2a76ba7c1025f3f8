#include "dialogs/RatingDialog.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace valdren {

namespace {

constexpr int kFirstId = 100;
constexpr int kButtonHeight = 10;

}  // namespace

RatingDialog::RatingDialog(QWidget* owner, const RatingLayout& layout, ShowHelp showHelp)
    : QDialog(owner),
      group_(new QButtonGroup(this)),
      highest_(static_cast<int>(layout.places.size())) {
  setObjectName(layout.name);
  setWindowTitle(layout.caption);
  SetDialogSize(*this, layout.width, layout.height);
  // Created in their tab order: the buttons, the prompt, then the radio row.
  connect(AddButton(*this, 1, QStringLiteral("OK"), layout.ok, true), &QPushButton::clicked, this,
          &QDialog::accept);
  connect(AddButton(*this, 2, QStringLiteral("Cancel"), layout.cancel), &QPushButton::clicked, this,
          &QDialog::reject);
  AddStatic(*this, 0, layout.prompt, layout.promptRect);
  AddRow(layout);
  AddHelpKey(*this, std::move(showHelp));
  SetValue(1);
}

void RatingDialog::AddRow(const RatingLayout& layout) {
  int value = highest_;
  for (const RatingLayout::Place& place : layout.places) {
    auto* button = new QRadioButton(QString::number(value), this);
    button->setObjectName(QString::number(kFirstId + value));
    PlaceControl(*this, *button, {place.x, layout.rowY, place.width, kButtonHeight});
    group_->addButton(button, kFirstId + value);
    --value;
  }
}

void RatingDialog::SetValue(int value) {
  group_->button(kFirstId + std::clamp(value, 1, highest_))->setChecked(true);
  value_ = CheckedValue();
}

void RatingDialog::done(int result) {
  value_ = CheckedValue();
  QDialog::done(result);
}

int RatingDialog::CheckedValue() const {
  return group_->checkedId() - kFirstId;
}

}  // namespace valdren
