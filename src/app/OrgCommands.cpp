#include "app/OrgCommands.h"

#include "app/OrgEditing.h"
#include "org/OrgGroup.h"

namespace valdren {

AddItemsCommand::AddItemsCommand(OrgEditing& editing, OwningItemList<OrgItem> items,
                                 std::optional<int> morale, const QString& text)
    : QUndoCommand(text), editing_(editing), new_(std::move(items)), morale_(morale) {}

void AddItemsCommand::undo() {
  for (auto item = items_.rbegin(); item != items_.rend(); ++item)
    taken_.push_back(editing_.Model().Detach(**item));
  editing_.Organization().nextId = nextIdBefore_;
}

void AddItemsCommand::redo() {
  OrgRoot& root = editing_.Organization();
  if (!added_) {
    added_ = true;
    const int count = static_cast<int>(new_.Size());
    nextIdBefore_ = root.nextId;
    editing_.Model().AppendTopLevel(count, [&] {
      for (const auto& node : new_)
        if (morale_) node.item->SetMorale(*morale_);
      root.AppendAll(new_);
    });
    nextIdAfter_ = root.nextId;
    for (const auto& node : root.items)
      items_.push_back(node.item);
    items_.erase(items_.begin(), items_.end() - count);
    return;
  }
  while (!taken_.empty()) {
    editing_.Model().Attach(std::move(taken_.back()),
                            {nullptr, static_cast<int>(root.items.Size())});
    taken_.pop_back();
  }
  root.nextId = nextIdAfter_;
}

InsertItemCommand::InsertItemCommand(OrgEditing& editing, std::unique_ptr<OrgItem> item,
                                     OrgPlace place, const QString& text)
    : QUndoCommand(text),
      editing_(editing),
      taken_(std::move(item)),
      item_(*taken_),
      place_(place) {}

void InsertItemCommand::undo() {
  taken_ = editing_.Model().Detach(item_);
  editing_.Organization().nextId = nextIdBefore_;
}

void InsertItemCommand::redo() {
  OrgRoot& root = editing_.Organization();
  if (!numbered_) {
    numbered_ = true;
    nextIdBefore_ = root.nextId;
    root.Number(*taken_);
    nextIdAfter_ = root.nextId;
  }
  editing_.Model().Attach(std::move(taken_), place_);
  root.nextId = nextIdAfter_;
}

MoveItemCommand::MoveItemCommand(OrgEditing& editing, OrgItem& item, OrgPlace to,
                                 const QString& text)
    : QUndoCommand(text),
      editing_(editing),
      item_(item),
      from_(editing.Organization().PlaceOf(item)),
      to_(to) {}

void MoveItemCommand::undo() {
  editing_.Model().MoveTo(item_, from_);
}
void MoveItemCommand::redo() {
  editing_.Model().MoveTo(item_, to_);
}

DeleteItemCommand::DeleteItemCommand(OrgEditing& editing, OrgItem& item, const QString& text)
    : QUndoCommand(text),
      editing_(editing),
      item_(item),
      place_(editing.Organization().PlaceOf(item)) {}

void DeleteItemCommand::undo() {
  editing_.Model().Attach(std::move(taken_), place_);
}
void DeleteItemCommand::redo() {
  taken_ = editing_.Model().Detach(item_);
}

RenameItemCommand::RenameItemCommand(OrgEditing& editing, OrgItem& item, String typed,
                                     const QString& text)
    : QUndoCommand(text), editing_(editing), item_(item), typed_(std::move(typed)) {}

// The name goes back as it was, parentheses and all, not through SetName.
void RenameItemCommand::undo() {
  item_.name = before_;
  editing_.Model().ItemChanged(item_);
}

void RenameItemCommand::redo() {
  before_ = item_.name;
  item_.SetName(typed_);
  editing_.Model().ItemChanged(item_);
}

SubtreeValueCommand::SubtreeValueCommand(OrgEditing& editing, OrgItem& item, Value value, int to,
                                         const QString& text)
    : QUndoCommand(text), editing_(editing), item_(item), value_(value), to_(to) {}

void SubtreeValueCommand::undo() {
  for (const auto& [item, before] : before_) {
    if (value_ == Value::kMorale)
      item->morale = static_cast<int>(before);
    else
      item->reference = before;
  }
  editing_.Model().ItemChanged(item_);
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
  editing_.Model().ItemChanged(item_);
}

ChangeDateCommand::ChangeDateCommand(OrgEditing& editing, int month, int year, const QString& text)
    : QUndoCommand(text), editing_(editing), month_(month), year_(year) {}

void ChangeDateCommand::Swap() {
  OrgRoot& root = editing_.Organization();
  std::swap(root.month, month_);
  std::swap(root.year, year_);
  Q_EMIT editing_.DateChanged({root.month, root.year});
}

}  // namespace valdren
