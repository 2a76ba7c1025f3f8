#include "dialogs/RatingDialog.h"

#include <QButtonGroup>
#include <QKeyEvent>
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
  FitToText(*this);
  SetValue(1);
}

void RatingDialog::AddRow(const RatingLayout& layout) {
  int value = highest_;
  for (const RatingLayout::Place& place : layout.places) {
    auto* button = new QRadioButton(QString::number(value), this);
    button->setObjectName(QString::number(kFirstId + value));
    PlaceControl(*this, *button, {place.x, layout.rowY, place.width, kButtonHeight});
    button->setFocusPolicy(Qt::ClickFocus);
    group_->addButton(button, kFirstId + value);
    button->installEventFilter(this);
    --value;
  }
  // Only the checked button takes the focus from Tab.
  connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    group_->button(id)->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
  });
}

void RatingDialog::Check(int value) {
  if (value < 1 || value > highest_) return;
  QAbstractButton* button = group_->button(kFirstId + value);
  button->setChecked(true);
  button->setFocus(Qt::OtherFocusReason);
}

// The row runs from the highest rating on the left: Left and Up go to a higher one.
bool RatingDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      Check(CheckedValue() + 1);
      return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
      Check(CheckedValue() - 1);
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

void RatingDialog::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key < Qt::Key_0 || key > Qt::Key_9) return QDialog::keyPressEvent(event);
  Check(key == Qt::Key_0 ? 10 : key - Qt::Key_0);
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
