#include "app/CreatedTree.h"

#include "app/Commands.h"
#include "app/CreatedItemModel.h"
#include "app/TreeFind.h"
#include "gui/GameText.h"
#include "org/OrgSearch.h"

namespace valdren {

CreatedTree::CreatedTree(QWidget* parent) : TreeView(kCreatedTreeId, parent) {
  setAccessibleName(tr("Created Units and Organizations"));
  setEditTriggers(SelectedClicked);
  find_ = new TreeFind(
      *this, tr("Organization:"), tr("Find a unit or organization by name"),
      [this](const QString& text) {
        matches_ = FindItems(model_->Organization(), ToGameText(text));
        return static_cast<int>(matches_.size());
      },
      [this](int match) { return model_->IndexOf(*matches_[static_cast<std::size_t>(match)]); },
      this);
}

// An item the model puts in place (a move, a deletion undone) is selected. The find's matches are
// searched again after every change, so none of them is ever an item that has gone.
void CreatedTree::SetModel(CreatedItemModel& model) {
  model_ = &model;
  setModel(&model);
  connect(&model, &CreatedItemModel::Placed, this, &CreatedTree::Select);
  const auto refresh = [this] { find_->Refresh(); };
  for (const auto signal : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::rowsInserted})
    connect(&model, signal, find_, refresh);
  connect(&model, &QAbstractItemModel::modelReset, find_, refresh);
  connect(&model, &QAbstractItemModel::dataChanged, find_, refresh);
}

void CreatedTree::Place(const QRect& rect) {
  find_->Place(rect);
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
