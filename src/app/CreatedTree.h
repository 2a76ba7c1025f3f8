#pragma once

#include <vector>

#include "app/TreeView.h"

namespace valdren {

class CreatedItemModel;
class OrgItem;
class TreeFind;

// The tree "Created Units and Organizations" over the organization's model. As in other tree
// editors, a click on the selected name renames; the window adds F2 and Delete. Its find bar finds
// created items by name, in the order of the file; its matches follow every change.
class CreatedTree : public TreeView {
  Q_OBJECT

 public:
  explicit CreatedTree(QWidget* parent);

  void SetModel(CreatedItemModel& model);
  TreeFind& Find() const { return *find_; }
  // The tree takes the rectangle, its find bar the bottom while it is open.
  void Place(const QRect& rect);
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
  TreeFind* find_ = nullptr;
  std::vector<const OrgItem*> matches_;
};

}  // namespace valdren
