#pragma once

#include <QAbstractItemModel>
#include <unordered_map>
#include <vector>

namespace valdren {

class OobDatabase;
class OrgGroup;
class OrgItem;
class OrgRoot;
class TreeImageList;

// The user's organization as a Qt model, for the right tree "Created Units and Organizations":
// one bold root row, under it the top-level items, under each group its children, and under each
// platoon whose template exists one unit line with the template's name and the morale.
//
// An index's internal pointer is the OrgItem itself (a unit line carries its platoon's pointer
// with the lowest bit set; the root carries none). The items live in linked lists, so the model
// keeps, for each list a view has looked into, its items in order and each item's row: parent()
// and index() then cost a table lookup, however long the list. Whoever changes the organization
// tells the model, which drops the tables of the lists that changed.
class CreatedItemModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  CreatedItemModel(const OrgRoot& organization, const OobDatabase& database,
                   const TreeImageList& images, QObject* parent = nullptr);

  // The organization has been replaced or changed everywhere (New, Open, Append).
  void Rebuild();

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
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // The items of a group's children, or of the top level for null, in order.
  const std::vector<OrgItem*>& ChildrenOf(const OrgGroup* group) const;
  bool HasUnitLine(const OrgItem& item) const;

  const OrgRoot& organization_;
  const OobDatabase& database_;
  const TreeImageList& images_;
  mutable std::unordered_map<const OrgGroup*, std::vector<OrgItem*>> children_;
  mutable std::unordered_map<const OrgItem*, int> rows_;
};

}  // namespace valdren
