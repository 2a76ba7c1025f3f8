#include "dialogs/ChoiceDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "catalog/CatalogTexts.h"
#include "dialogs/DialogLayout.h"
#include "gui/GameText.h"
#include "oob/OrgTemplate.h"

namespace valdren {

ChoiceDialog::ChoiceDialog(QWidget* owner, std::function<void(const QString&)> showHelp)
    : QDialog(owner) {
  setObjectName(QStringLiteral("ChoiceDialog"));
  setWindowTitle(QStringLiteral("Choice Dialog"));
  SetDialogSize(*this, 186, 142);
  // Created in their tab order: OK first, so that it has the focus and Enter confirms.
  connect(AddButton(*this, 1, QStringLiteral("OK"), {27, 121, 50, 14}, true), &QPushButton::clicked,
          this, &QDialog::accept);
  // Help leaves the dialog open, and Enter then still means OK.
  QPushButton* help = AddButton(*this, 9, QStringLiteral("Help"), {108, 121, 50, 14});
  help->setAutoDefault(false);
  connect(help, &QPushButton::clicked, this, [this, showHelp] { showHelp(windowTitle()); });
  AddHelpKey(*this, std::move(showHelp));
  ownerText_ = AddStatic(*this, 101, QString(), {7, 7, 172, 8});
  groupText_ = AddStatic(*this, 102, QString(), {7, 21, 172, 8});
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("103"));
  PlaceControl(*this, *list_, {7, 38, 172, 73});
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  FitToText(*this);
}

void ChoiceDialog::SetChoice(const OrgTemplate& owner, const SubunitGroup& group) {
  ownerText_->setText(QStringLiteral("In: ") + FromGameText(owner.name.View()));
  groupText_->setText(QStringLiteral("Select: ") + FromGameText(group.name.View()));
  list_->clear();
  int sum = 0;
  for (const SubunitChoice& choice : group.choices) {
    list_->addItem(FromGameText(ChoiceText(choice.weight, *choice.item).View()));
    sum += choice.weight;
  }
  if (sum >= 100) list_->setCurrentRow(0);
  FitToText(*this);
}

void ChoiceDialog::done(int result) {
  selection_ = SelectedRow();
  QDialog::done(result);
}

// The selected entry, not the list's current one: the list makes its first entry current,
// unselected, when it takes the focus, and that is no pick.
int ChoiceDialog::SelectedRow() const {
  const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

}  // namespace valdren
