#pragma once

#include <QDialog>

class QLabel;
class QModelIndex;
class QTableView;

namespace valdren {

class CreatedTree;
class OrgEditing;
class OrgItem;
class RefusedItemsModel;

// Check Dates: the items the game would refuse at the organization's date (their template is
// not available then, or not in the database), each with its path from the top level and why,
// in the order of the file. A window of its own beside the main window, so the user can work
// through the list while editing: it follows every change, and choosing a row (a double-click
// or Enter) selects the item in the created tree.
class DatesWindow : public QDialog {
  Q_OBJECT

 public:
  DatesWindow(OrgEditing& editing, QWidget* owner);
  // The owner's one such window, made at the first call and brought to the front; a row chosen
  // in it is selected in the tree.
  static DatesWindow& Open(OrgEditing& editing, CreatedTree& tree, QWidget& owner);

  QTableView* List() const { return list_; }
  QString Summary() const;

 Q_SIGNALS:
  void Chosen(const OrgItem& item);

 private:
  void Refresh();
  void Choose(const QModelIndex& index);

  RefusedItemsModel* refused_;
  QLabel* summary_;
  QTableView* list_;
};

}  // namespace valdren
