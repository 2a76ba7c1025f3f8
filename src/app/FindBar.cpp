#include "app/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace valdren {

FindBar::FindBar(const QString& where, const QString& placeholder, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), status_(new QLabel(this)) {
  setObjectName(QStringLiteral("FindBar"));
  auto* label = new QLabel(where, this);
  label->setBuddy(edit_);
  edit_->setPlaceholderText(placeholder);
  edit_->setClearButtonEnabled(true);
  auto* previous = new QToolButton(this);
  auto* next = new QToolButton(this);
  auto* close = new QToolButton(this);
  previous->setArrowType(Qt::UpArrow);
  next->setArrowType(Qt::DownArrow);
  close->setText(QStringLiteral("\u2715"));
  previous->setToolTip(tr("Previous match (Shift+F3)"));
  next->setToolTip(tr("Next match (F3)"));
  close->setToolTip(tr("Close (Escape)"));
  for (QToolButton* button : {previous, next, close})
    button->setAutoRaise(true);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->addWidget(label);
  layout->addWidget(edit_, 1);
  layout->addWidget(status_);
  layout->addWidget(previous);
  layout->addWidget(next);
  layout->addWidget(close);

  connect(edit_, &QLineEdit::textChanged, this, &FindBar::TextChanged);
  connect(edit_, &QLineEdit::returnPressed, this, &FindBar::Next);
  connect(previous, &QToolButton::clicked, this, &FindBar::Previous);
  connect(next, &QToolButton::clicked, this, &FindBar::Next);
  connect(close, &QToolButton::clicked, this, &FindBar::Closed);
}

QString FindBar::Text() const {
  return edit_->text();
}
void FindBar::SetText(const QString& text) {
  edit_->setText(text);
}
QString FindBar::Status() const {
  return status_->text();
}

void FindBar::SetCount(int count) {
  count_ = count;
  current_ = -1;
  if (edit_->text().isEmpty())
    status_->clear();
  else if (count == 0)
    status_->setText(tr("No match"));
  else
    status_->setText(count == 1 ? tr("1 match") : tr("%1 matches").arg(count));
}

void FindBar::Next() {
  if (count_) Show((current_ + 1) % count_);
}

void FindBar::Previous() {
  if (count_) Show((current_ + count_ - 1) % count_);
}

void FindBar::Focus() {
  edit_->setFocus();
  edit_->selectAll();
}

void FindBar::Show(int match) {
  current_ = match;
  status_->setText(tr("%1 of %2").arg(match + 1).arg(count_));
  Q_EMIT Go(match);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    Q_EMIT Closed();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace valdren
