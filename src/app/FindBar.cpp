#include "app/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "gui/GameText.h"

namespace valdren {

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), status_(new QLabel(this)) {
  setObjectName(QStringLiteral("FindBar"));
  edit_->setPlaceholderText(tr("Find a template by name"));
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

void FindBar::Search(const CatalogModel& catalog) {
  matches_ = catalog.FindTemplates(ToGameText(edit_->text()));
  date_ = catalog.FilterDate();
  current_ = -1;
  if (edit_->text().isEmpty())
    status_->clear();
  else if (matches_.empty())
    status_->setText(tr("No match"));
  else
    status_->setText(matches_.size() == 1 ? tr("1 match") : tr("%1 matches").arg(matches_.size()));
}

void FindBar::Next() {
  if (!matches_.empty()) Show((current_ + 1) % static_cast<int>(matches_.size()));
}

void FindBar::Previous() {
  const int count = static_cast<int>(matches_.size());
  if (count) Show((current_ + count - 1) % count);
}

void FindBar::Focus() {
  edit_->setFocus();
  edit_->selectAll();
}

void FindBar::Show(int match) {
  current_ = match;
  status_->setText(tr("%1 of %2").arg(match + 1).arg(matches_.size()));
  Q_EMIT Go(matches_[static_cast<std::size_t>(match)]);
}

void FindBar::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    Q_EMIT Closed();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace valdren
