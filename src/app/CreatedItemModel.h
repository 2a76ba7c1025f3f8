#pragma once

#include <QAbstractItemModel>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "org/DateCheck.h"
#include "org/OrgRoot.h"

namespace valdren {

class OobDatabase;
class TreeImageList;

// The user's organization as a Qt model, for the right tree "Created Units and Organizations":
// one bold root row, under it the top-level items, under each group its children, and under each
// platoon whose template exists one unit line with the template's name and the morale.
//
// An index's internal pointer is the OrgItem itself (a unit line carries its platoon's pointer
// with the lowest bit set; the root carries none). The items live in linked lists, so the model
// keeps, for each list a view has looked into, its items in order and each item's row: parent()
// and index() then cost a table lookup, however long the list. Whoever changes the organization
// changes it through the model, which tells the views and drops the tables of the lists that
// changed.
//
// An item whose template the game would refuse at the organization's date shows in grey
// italics, its tooltip saying why. The marks are worked out as rows are painted, so they cost
// nothing for rows never shown; a date change repaints only the shown rows whose mark it
// changes. Edits need no more than the rows they touch: an item keeps its template except
// through a command rating, whose change repaints the subtree's shown rows.
class CreatedItemModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  CreatedItemModel(OrgRoot& organization, const OobDatabase& database, const TreeImageList& images,
                   QObject* parent = nullptr);

  const OrgRoot& Organization() const { return organization_; }

  // The views start again from the root, every group collapsed (after an Append).
  void Rebuild();
  // The organization becomes the replacement (New, Open) between the reset's two notices, so
  // that no view ever looks at items that are gone.
  void Replace(OrgRoot replacement);

  // ---- Changes, each passed on to the views.
  std::unique_ptr<OrgItem> Detach(OrgItem& item);
  OrgItem& Attach(std::unique_ptr<OrgItem> item, OrgPlace place);
  void MoveTo(OrgItem& item, OrgPlace place);
  // Runs append, which adds count items at the end of the top level.
  void AppendTopLevel(int count, const std::function<void()>& append);
  // The item's name, morale or rating changed, and with them the unit lines of its subtree.
  void ItemChanged(const OrgItem& item);
  // The organization's date changed (done or undone): the date marks follow.
  void DateChanged();
  const DateCheck& Dates() const { return dates_; }

  QModelIndex RootIndex() const;
  QModelIndex IndexOf(const OrgItem& item) const;
  // The created item of a row: the item itself or, for a unit line, its platoon. Null for the
  // root.
  OrgItem* ItemOf(const QModelIndex& index) const;
  bool IsUnitLine(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Without making the list's table: a view asks it of every row it lays out.
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A name typed into the tree is not stored here: it is handed on as a rename.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 Q_SIGNALS:
  void RenameRequested(OrgItem* item, const QString& name);
  // An item was put into the tree (a move, a deletion undone): the view selects it.
  void Placed(const QModelIndex& index);

 private:
  QModelIndex ParentIndex(const OrgGroup* group) const;
  // Drops the tables of the list and of every group below its items.
  void Forget(const OrgGroup* group);
  void ForgetSubtree(const OrgItem& item);
  void EmitChanged(const OrgItem& item);

  // The items of a group's children, or of the top level for null, in order.
  const std::vector<OrgItem*>& ChildrenOf(const OrgGroup* group) const;
  bool HasUnitLine(const OrgItem& item) const;
  bool NotAvailable(const QModelIndex& index) const;
  MonthYear Date() const { return {organization_.month, organization_.year}; }
  // Tells the views of the shown rows whose date mark differs between the two dates, a run of
  // neighbours at a time.
  void EmitDateMarks(MonthYear from, MonthYear to);

  OrgRoot& organization_;
  const OobDatabase& database_;
  const TreeImageList& images_;
  DateCheck dates_;
  MonthYear marked_;  // the date the shown marks are of
  mutable std::unordered_map<const OrgGroup*, std::vector<OrgItem*>> children_;
  mutable std::unordered_map<const OrgItem*, int> rows_;
};

}  // namespace valdren
