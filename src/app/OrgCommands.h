#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "base/String.h"
#include "org/OrgRoot.h"

namespace valdren {

class CreatedItemModel;

// The changes to the organization as undoable commands. Each changes the organization through
// the created tree's model, so the tree follows, and each puts back exactly what was there: the
// same items, with their ids, names, morale, references and places. An item taken out is kept by
// its command until it is put back or the command is dropped.

// Items added at the end of the top level (a build, an appended file). The items are in place
// when the command is made; undone they go, with the ids they took; done again they come back.
class AddItemsCommand : public QUndoCommand {
 public:
  AddItemsCommand(CreatedItemModel& model, OrgRoot& root, int count, int nextIdBefore,
                  const QString& text);
  void undo() override;
  void redo() override;

 private:
  CreatedItemModel& model_;
  OrgRoot& root_;
  std::vector<OrgItem*> items_;
  std::vector<std::unique_ptr<OrgItem>> taken_;
  int nextIdBefore_;
  int nextIdAfter_;
  bool done_ = true;
};

// An item moved to another place: the four moves, raise and lower.
class MoveItemCommand : public QUndoCommand {
 public:
  MoveItemCommand(CreatedItemModel& model, OrgRoot& root, OrgItem& item, OrgPlace to,
                  const QString& text);
  void undo() override;
  void redo() override;

 private:
  CreatedItemModel& model_;
  OrgItem& item_;
  OrgPlace from_;
  OrgPlace to_;
};

class DeleteItemCommand : public QUndoCommand {
 public:
  DeleteItemCommand(CreatedItemModel& model, OrgRoot& root, OrgItem& item, const QString& text);
  void undo() override;
  void redo() override;

 private:
  CreatedItemModel& model_;
  OrgItem& item_;
  OrgPlace place_;
  std::unique_ptr<OrgItem> taken_;
};

class RenameItemCommand : public QUndoCommand {
 public:
  RenameItemCommand(CreatedItemModel& model, OrgItem& item, String typed, const QString& text);
  void undo() override;
  void redo() override;

 private:
  CreatedItemModel& model_;
  OrgItem& item_;
  String typed_;
  String before_;
};

// A morale or a command rating for a whole subtree: what each item of it held before is kept.
class SubtreeValueCommand : public QUndoCommand {
 public:
  enum class Value { kMorale, kCommandRating };
  SubtreeValueCommand(CreatedItemModel& model, OrgItem& item, Value value, int to,
                      const QString& text);
  void undo() override;
  void redo() override;

 private:
  CreatedItemModel& model_;
  OrgItem& item_;
  Value value_;
  int to_;
  // Each item of the subtree with its morale or its reference before.
  std::vector<std::pair<OrgItem*, std::uint32_t>> before_;
};

}  // namespace valdren
