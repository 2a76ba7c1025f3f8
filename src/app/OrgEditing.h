#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "app/CreatedItemModel.h"
#include "builder/BuilderState.h"
#include "catalog/CatalogEntry.h"
#include "org/OrgFile.h"
#include "org/OrgRoot.h"

class QString;
class QUndoCommand;

namespace valdren {

class NameLists;
class OobDatabase;
class TreeImageList;
class UnitTemplate;
class UserChoices;

// The user's organization as the window edits it: the organization, the created tree's model
// over it, the history of its changes and the builder's state that numbers and names what is
// built. Every change goes through here. A command pushed is done at once and can be undone; the
// organization replaced (New, Open, a recovered copy) starts the history anew. Changed tells of
// every change done, undone or done again.
//
// The members are declared so that they go in the right order: the builder's state and the
// history (whose commands keep the items they took out) before the model, the model before the
// organization it shows.
class OrgEditing : public QObject {
  Q_OBJECT

 public:
  OrgEditing(const OobDatabase& database, const TreeImageList& images, QObject* parent = nullptr);

  OrgRoot& Organization() { return organization_; }
  const OrgRoot& Organization() const { return organization_; }
  CreatedItemModel& Model() { return model_; }
  QUndoStack& History() { return history_; }
  BuilderState& Building() { return *building_; }
  // Every generator of the builder starts from the seed, as the tool's --seed makes them: the
  // same answers then build the same organization.
  void SeedBuilder(std::uint32_t seed) { building_ = std::make_unique<BuilderState>(seed); }

  // Each change is a step of the history, done at once.
  // The template built at the organization's date, with automatic choices or with the user's,
  // and added at the end of the top level with its template's morale and the next ids: the new
  // item, or null when the build gave none.
  const OrgItem* Build(const UnitTemplate& unit, const NameLists& names, UserChoices* choices);
  // The organization's month and year, which the catalog's filter shows.
  void ChangeDate(CatalogDate date);
  // Another organization file's items at the end of the top level, with the next ids.
  OrgFileStatus Append(const std::filesystem::path& file);
  void Rename(OrgItem& item, const QString& name);
  void SetMorale(OrgItem& item, int morale);
  void SetCommandRating(OrgItem& item, int rating);
  // The four moves of the list, by their command id.
  void Move(OrgItem& item, int command);
  // The step is named Delete unless a name is given (Cut).
  void Delete(OrgItem& item, const QString& step = {});
  // An item with its subtree put in at the place, with the next ids: the item in place.
  OrgItem& Insert(std::unique_ptr<OrgItem> item, OrgPlace place, const QString& step);
  // False when the item cannot be raised (lowered), and nothing changes.
  bool Raise(OrgItem& item);
  bool Lower(OrgItem& item);

  void Undo();
  void Redo();
  // The organization becomes the replacement; the steps to undo were of the old one.
  void Replace(OrgRoot replacement);
  // The organization read from the file (what was read before a fault, for a file that breaks
  // off); nothing changes for a file that does not open.
  OrgFileStatus Load(const std::filesystem::path& file);
  // Whether the last Load read the whole file: a file of another version reads as empty.
  bool ReadWhole() const { return readWhole_; }

 Q_SIGNALS:
  void Changed();
  // The organization's date, done or undone.
  void DateChanged(CatalogDate date);

 private:
  void Push(QUndoCommand* command);

  OrgRoot organization_;
  CreatedItemModel model_;
  QUndoStack history_;
  std::unique_ptr<BuilderState> building_ = std::make_unique<BuilderState>();
  bool readWhole_ = true;
};

}  // namespace valdren
