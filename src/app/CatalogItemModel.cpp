#include "app/CatalogItemModel.h"

#include "app/Images.h"
#include "app/RootFont.h"
#include "gui/GameText.h"

namespace valdren {

CatalogItemModel::CatalogItemModel(CatalogModel& catalog, const TreeImageList& images,
                                   QObject* parent)
    : QAbstractItemModel(parent), catalog_(catalog), images_(images) {
  catalog_.SetObserver(this);
}

CatalogItemModel::~CatalogItemModel() {
  catalog_.SetObserver(nullptr);
}

CatalogRow CatalogItemModel::RowOf(const QModelIndex& index) const {
  return index.isValid() ? CatalogRow{index.internalId()} : kNoRow;
}

QModelIndex CatalogItemModel::IndexOf(CatalogRow row) const {
  if (!catalog_.IsValid(row)) return {};
  const int position = row == catalog_.Root() ? 0 : catalog_.RowIndex(row);
  return createIndex(position, 0, quintptr{row.id});
}

QModelIndex CatalogItemModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) return row == 0 ? IndexOf(catalog_.Root()) : QModelIndex();
  const CatalogRow child = catalog_.Child(RowOf(parent), row);
  return child == kNoRow ? QModelIndex() : createIndex(row, 0, quintptr{child.id});
}

QModelIndex CatalogItemModel::parent(const QModelIndex& child) const {
  const CatalogRow row = RowOf(child);
  if (row == kNoRow || row == catalog_.Root()) return {};
  return IndexOf(catalog_.Parent(row));
}

int CatalogItemModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return 1;
  return parent.column() == 0 ? catalog_.ChildCount(RowOf(parent)) : 0;
}

int CatalogItemModel::columnCount(const QModelIndex&) const {
  return 1;
}

bool CatalogItemModel::hasChildren(const QModelIndex& parent) const {
  return rowCount(parent) > 0;
}

QVariant CatalogItemModel::data(const QModelIndex& index, int role) const {
  const CatalogRow row = RowOf(index);
  switch (role) {
    case Qt::DisplayRole:
      return FromGameText(catalog_.Text(row).View());
    case Qt::DecorationRole:
      return images_[catalog_.Image(row)];
    case Qt::FontRole:
      return RootFont(row == catalog_.Root());
    default:
      return {};
  }
}

Qt::ItemFlags CatalogItemModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void CatalogItemModel::BeginRemoveRows(CatalogRow parent, int first, int last) {
  beginRemoveRows(IndexOf(parent), first, last);
}

void CatalogItemModel::EndRemoveRows() {
  endRemoveRows();
}

void CatalogItemModel::BeginInsertRows(CatalogRow parent, int first, int last) {
  beginInsertRows(IndexOf(parent), first, last);
}

void CatalogItemModel::EndInsertRows() {
  endInsertRows();
}

}  // namespace valdren
