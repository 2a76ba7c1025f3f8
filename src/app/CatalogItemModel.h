#pragma once

#include <QAbstractItemModel>

#include "catalog/CatalogModel.h"

namespace valdren {

class TreeImageList;

// The catalog "Available Units and Organizations" as a Qt model, for the left tree. It holds no
// rows of its own: an index's internal id is the core's row id, every query is passed to the
// core's CatalogModel (which makes a row when it is first asked for), and the core's notices of
// rows going and coming are passed on to the views. The one top-level row is the catalog's root.
class CatalogItemModel : public QAbstractItemModel, private CatalogObserver {
  Q_OBJECT

 public:
  CatalogItemModel(CatalogModel& catalog, const TreeImageList& images, QObject* parent = nullptr);
  ~CatalogItemModel() override;

  CatalogRow RowOf(const QModelIndex& index) const;
  QModelIndex IndexOf(CatalogRow row) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  void BeginRemoveRows(CatalogRow parent, int first, int last) override;
  void EndRemoveRows() override;
  void BeginInsertRows(CatalogRow parent, int first, int last) override;
  void EndInsertRows() override;

  CatalogModel& catalog_;
  const TreeImageList& images_;
};

}  // namespace valdren
