#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;

namespace valdren {

class OrgTemplate;
struct SubunitGroup;

// Asks which alternative of a suborganization group to build, while the user builds a unit
// with choices. The list shows every choice of the group, whatever the catalog's date, as the
// catalog writes it ("(30%) Rifle Company"); entry i is choice i. When the probabilities add up
// to 100 or more the first entry is preselected, otherwise the user must pick one. A
// double-click on an entry is OK with that entry. There is no Cancel: Escape and the close box
// end the dialog too (exec() returns Rejected) and the selection is kept all the same. Help
// opens the page of the dialog's caption and leaves the dialog open.
class ChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  ChoiceDialog(QWidget* owner, std::function<void(const QString&)> showHelp);

  // The template being built and the group being decided; neither is kept.
  void SetChoice(const OrgTemplate& owner, const SubunitGroup& group);
  // The index of the chosen entry, -1 when none is selected.
  int Selection() const { return selection_; }

  void done(int result) override;

 private:
  int SelectedRow() const;

  QLabel* ownerText_;
  QLabel* groupText_;
  QListWidget* list_;
  int selection_ = -1;
};

}  // namespace valdren
