#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "base/String.h"
#include "org/OrgRoot.h"

namespace valdren {

class OrgEditing;

// The changes to the organization as undoable commands. Each does its work in redo(), the first
// time as the later ones, and changes the organization through the created tree's model, so the
// tree follows; each puts back exactly what was there: the same items, with their ids, names,
// morale, references and places. An item taken out is kept by its command until it is put back
// or the command is dropped.

// New items at the end of the top level: a build, an appended file. The first time they are
// numbered from the organization's counter (and given the morale, when there is one); undone they
// go with the ids they took; done again the same items come back.
class AddItemsCommand : public QUndoCommand {
 public:
  AddItemsCommand(OrgEditing& editing, OwningItemList<OrgItem> items, std::optional<int> morale,
                  const QString& text);
  void undo() override;
  void redo() override;

 private:
  OrgEditing& editing_;
  OwningItemList<OrgItem> new_;  // until they are added
  std::optional<int> morale_;
  bool added_ = false;
  std::vector<OrgItem*> items_;
  std::vector<std::unique_ptr<OrgItem>> taken_;
  int nextIdBefore_ = 0;
  int nextIdAfter_ = 0;
};

// An item with its subtree put in at a place: a paste, a duplicate. The first time it is numbered
// from the organization's counter; undone it goes with the ids it took, and done again it comes
// back with them.
class InsertItemCommand : public QUndoCommand {
 public:
  InsertItemCommand(OrgEditing& editing, std::unique_ptr<OrgItem> item, OrgPlace place,
                    const QString& text);
  void undo() override;
  void redo() override;
  OrgItem& Item() const { return item_; }

 private:
  OrgEditing& editing_;
  std::unique_ptr<OrgItem> taken_;
  OrgItem& item_;
  OrgPlace place_;
  bool numbered_ = false;
  int nextIdBefore_ = 0;
  int nextIdAfter_ = 0;
};

// An item moved to another place: the four moves, raise and lower.
class MoveItemCommand : public QUndoCommand {
 public:
  MoveItemCommand(OrgEditing& editing, OrgItem& item, OrgPlace to, const QString& text);
  void undo() override;
  void redo() override;

 private:
  OrgEditing& editing_;
  OrgItem& item_;
  OrgPlace from_;
  OrgPlace to_;
};

class DeleteItemCommand : public QUndoCommand {
 public:
  DeleteItemCommand(OrgEditing& editing, OrgItem& item, const QString& text);
  void undo() override;
  void redo() override;

 private:
  OrgEditing& editing_;
  OrgItem& item_;
  OrgPlace place_;
  std::unique_ptr<OrgItem> taken_;
};

class RenameItemCommand : public QUndoCommand {
 public:
  RenameItemCommand(OrgEditing& editing, OrgItem& item, String typed, const QString& text);
  void undo() override;
  void redo() override;

 private:
  OrgEditing& editing_;
  OrgItem& item_;
  String typed_;
  String before_;
};

// A morale or a command rating for a whole subtree: what each item of it held before is kept.
class SubtreeValueCommand : public QUndoCommand {
 public:
  enum class Value { kMorale, kCommandRating };
  SubtreeValueCommand(OrgEditing& editing, OrgItem& item, Value value, int to, const QString& text);
  void undo() override;
  void redo() override;

 private:
  OrgEditing& editing_;
  OrgItem& item_;
  Value value_;
  int to_;
  // Each item of the subtree with its morale or its reference before.
  std::vector<std::pair<OrgItem*, std::uint32_t>> before_;
};

// The organization's month and year, which the catalog's filter shows: done and undone, one
// date is exchanged for the other, and the window follows (OrgEditing::DateChanged).
class ChangeDateCommand : public QUndoCommand {
 public:
  ChangeDateCommand(OrgEditing& editing, int month, int year, const QString& text);
  void undo() override { Swap(); }
  void redo() override { Swap(); }

 private:
  void Swap();

  OrgEditing& editing_;
  int month_;
  int year_;
};

}  // namespace valdren
