#include "dialogs/DescDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/DialogLayout.h"
#include "gui/GameText.h"

namespace valdren {

DescDialog::DescDialog(QWidget* owner, std::function<void(const QString&)> showHelp)
    : QDialog(owner), edit_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("DescDialog"));
  setWindowTitle(QStringLiteral("Description Dialog"));
  SetDialogSize(*this, 186, 66);
  // Created in their tab order, the edit first so that it has the focus.
  edit_->setObjectName(QStringLiteral("102"));
  edit_->setMaxLength(kMaxLength);
  PlaceControl(*this, *edit_, {7, 22, 172, 14});
  connect(AddButton(*this, 1, QStringLiteral("OK"), {37, 45, 50, 14}, true), &QPushButton::clicked,
          this, &QDialog::accept);
  // Help leaves the dialog open, and Enter then still means OK.
  QPushButton* help = AddButton(*this, 9, QStringLiteral("Help"), {97, 45, 50, 14});
  help->setAutoDefault(false);
  connect(help, &QPushButton::clicked, this, [this, showHelp] { showHelp(windowTitle()); });
  AddHelpKey(*this, std::move(showHelp));
  prompt_ = AddStatic(*this, 101, QString(), {7, 7, 172, 8});
  SetSubject({});
}

void DescDialog::SetSubject(std::string_view subject) {
  prompt_->setText(QStringLiteral("Enter description for: ") + FromGameText(subject));
  FitToText(*this);
}

void DescDialog::done(int result) {
  // One byte a character: the cut keeps the first characters even of a pasted text.
  text_ = ToGameText(edit_->text()).substr(0, kMaxLength);
  QDialog::done(result);
}

}  // namespace valdren
