#include "app/CreatedTree.h"

#include "app/Commands.h"
#include "app/CreatedItemModel.h"

namespace valdren {

CreatedTree::CreatedTree(QWidget* parent) : TreeView(kCreatedTreeId, parent) {
  setAccessibleName(tr("Created Units and Organizations"));
  setEditTriggers(SelectedClicked);
}

// An item the model puts in place (a move, a deletion undone) is selected.
void CreatedTree::SetModel(CreatedItemModel& model) {
  model_ = &model;
  setModel(&model);
  connect(&model, &CreatedItemModel::Placed, this, &CreatedTree::Select);
}

OrgItem* CreatedTree::Selection() const {
  const QModelIndex selected = currentIndex();
  if (!selected.isValid() || model_->IsUnitLine(selected)) return nullptr;
  return model_->ItemOf(selected);
}

OrgItem* CreatedTree::SelectedRow() const {
  return model_->ItemOf(currentIndex());
}

void CreatedTree::Refill() {
  model_->Rebuild();
  expand(model_->RootIndex());
}

void CreatedTree::Select(const QModelIndex& index) {
  collapse(index);
  setCurrentIndex(index);
  scrollTo(index);
}

}  // namespace valdren
