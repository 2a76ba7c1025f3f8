#pragma once

#include "app/TreeView.h"

namespace valdren {

class CreatedItemModel;
class OrgItem;

// The tree "Created Units and Organizations" over the organization's model. As in other tree
// editors, a click on the selected name renames; the window adds F2 and Delete.
class CreatedTree : public TreeView {
  Q_OBJECT

 public:
  explicit CreatedTree(QWidget* parent);

  void SetModel(CreatedItemModel& model);
  // The created item selected: null for nothing, the root or a unit line.
  OrgItem* Selection() const;
  // The item of the selected row, a unit line standing for its platoon: null for nothing or the
  // root.
  OrgItem* SelectedRow() const;
  // Shown anew from the expanded root, every group collapsed.
  void Refill();
  // The row made current, collapsed and scrolled to: as an item just put in place shows.
  void Select(const QModelIndex& index);

 private:
  CreatedItemModel* model_ = nullptr;
};

}  // namespace valdren
