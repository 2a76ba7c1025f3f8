#include "app/OrgCommands.h"

#include "app/CreatedItemModel.h"
#include "org/OrgGroup.h"

namespace valdren {

AddItemsCommand::AddItemsCommand(CreatedItemModel& model, OrgRoot& root, int count,
                                 int nextIdBefore, const QString& text)
    : QUndoCommand(text),
      model_(model),
      root_(root),
      nextIdBefore_(nextIdBefore),
      nextIdAfter_(root.nextId) {
  // The added items are the last of the top level.
  std::vector<OrgItem*> all;
  for (const auto& node : root.items)
    all.push_back(node.item);
  items_.assign(all.end() - count, all.end());
}

void AddItemsCommand::undo() {
  for (auto item = items_.rbegin(); item != items_.rend(); ++item)
    taken_.push_back(model_.Detach(**item));
  root_.nextId = nextIdBefore_;
}

void AddItemsCommand::redo() {
  if (std::exchange(done_, false)) return;  // made after the items were added
  while (!taken_.empty()) {
    model_.Attach(std::move(taken_.back()), {nullptr, static_cast<int>(root_.items.Size())});
    taken_.pop_back();
  }
  root_.nextId = nextIdAfter_;
}

MoveItemCommand::MoveItemCommand(CreatedItemModel& model, OrgRoot& root, OrgItem& item, OrgPlace to,
                                 const QString& text)
    : QUndoCommand(text), model_(model), item_(item), from_(root.PlaceOf(item)), to_(to) {}

void MoveItemCommand::undo() {
  model_.MoveTo(item_, from_);
}
void MoveItemCommand::redo() {
  model_.MoveTo(item_, to_);
}

DeleteItemCommand::DeleteItemCommand(CreatedItemModel& model, OrgRoot& root, OrgItem& item,
                                     const QString& text)
    : QUndoCommand(text), model_(model), item_(item), place_(root.PlaceOf(item)) {}

void DeleteItemCommand::undo() {
  model_.Attach(std::move(taken_), place_);
}
void DeleteItemCommand::redo() {
  taken_ = model_.Detach(item_);
}

RenameItemCommand::RenameItemCommand(CreatedItemModel& model, OrgItem& item, String typed,
                                     const QString& text)
    : QUndoCommand(text), model_(model), item_(item), typed_(std::move(typed)) {}

// The name goes back as it was, parentheses and all, not through SetName.
void RenameItemCommand::undo() {
  item_.name = before_;
  model_.ItemChanged(item_);
}

void RenameItemCommand::redo() {
  before_ = item_.name;
  item_.SetName(typed_);
  model_.ItemChanged(item_);
}

SubtreeValueCommand::SubtreeValueCommand(CreatedItemModel& model, OrgItem& item, Value value,
                                         int to, const QString& text)
    : QUndoCommand(text), model_(model), item_(item), value_(value), to_(to) {}

void SubtreeValueCommand::undo() {
  for (const auto& [item, before] : before_) {
    if (value_ == Value::kMorale)
      item->morale = static_cast<int>(before);
    else
      item->reference = before;
  }
  model_.ItemChanged(item_);
}

void SubtreeValueCommand::redo() {
  ItemList<OrgItem> subtree;
  item_.CollectAll(subtree);
  before_.clear();
  before_.reserve(subtree.Size());
  for (const auto& node : subtree)
    before_.emplace_back(node.item, value_ == Value::kMorale
                                        ? static_cast<std::uint32_t>(node.item->morale)
                                        : node.item->reference);
  if (value_ == Value::kMorale)
    item_.SetMorale(to_);
  else
    item_.SetCommandRating(to_);
  model_.ItemChanged(item_);
}

}  // namespace valdren
