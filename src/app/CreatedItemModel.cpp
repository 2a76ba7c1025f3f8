#include "app/CreatedItemModel.h"

#include <QFont>

#include "app/GameText.h"
#include "app/Images.h"
#include "oob/OobDatabase.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"
#include "org/UnitLine.h"

namespace valdren {

namespace {

constexpr quintptr kUnitLineTag = 1;

const QString kRootText = QStringLiteral("Created Units and Organizations");

}  // namespace

CreatedItemModel::CreatedItemModel(const OrgRoot& organization, const OobDatabase& database,
                                   const TreeImageList& images, QObject* parent)
    : QAbstractItemModel(parent),
      organization_(organization),
      database_(database),
      images_(images) {}

void CreatedItemModel::Rebuild() {
  beginResetModel();
  children_.clear();
  rows_.clear();
  endResetModel();
}

QModelIndex CreatedItemModel::RootIndex() const { return createIndex(0, 0, nullptr); }

QModelIndex CreatedItemModel::IndexOf(const OrgItem& item) const {
  auto row = rows_.find(&item);
  if (row == rows_.end()) {
    ChildrenOf(item.parent);
    row = rows_.find(&item);
  }
  return createIndex(row->second, 0, const_cast<OrgItem*>(&item));
}

OrgItem* CreatedItemModel::ItemOf(const QModelIndex& index) const {
  const auto bits = reinterpret_cast<quintptr>(index.internalPointer());
  return reinterpret_cast<OrgItem*>(bits & ~kUnitLineTag);
}

bool CreatedItemModel::IsUnitLine(const QModelIndex& index) const {
  return (reinterpret_cast<quintptr>(index.internalPointer()) & kUnitLineTag) != 0;
}

QModelIndex CreatedItemModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0) return {};
  if (!parent.isValid()) return row == 0 ? RootIndex() : QModelIndex();
  if (IsUnitLine(parent)) return {};
  const OrgItem* const item = ItemOf(parent);
  if (item && !item->AsGroup()) {
    if (row != 0 || !HasUnitLine(*item)) return {};
    return createIndex(0, 0, reinterpret_cast<void*>(reinterpret_cast<quintptr>(item) | kUnitLineTag));
  }
  const auto& children = ChildrenOf(item ? item->AsGroup() : nullptr);
  if (row >= static_cast<int>(children.size())) return {};
  return createIndex(row, 0, children[row]);
}

QModelIndex CreatedItemModel::parent(const QModelIndex& child) const {
  const OrgItem* const item = ItemOf(child);
  if (!child.isValid() || !item) return {};
  if (IsUnitLine(child)) return IndexOf(*item);
  return item->parent ? IndexOf(*item->parent) : RootIndex();
}

int CreatedItemModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return 1;
  if (parent.column() != 0 || IsUnitLine(parent)) return 0;
  const OrgItem* const item = ItemOf(parent);
  if (item && !item->AsGroup()) return HasUnitLine(*item) ? 1 : 0;
  return static_cast<int>(ChildrenOf(item ? item->AsGroup() : nullptr).size());
}

int CreatedItemModel::columnCount(const QModelIndex&) const { return 1; }

QVariant CreatedItemModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const OrgItem* const item = ItemOf(index);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (!item) return kRootText;
      if (IsUnitLine(index))
        return FromGameText(UnitLineText(*item, database_).value_or(String()).View());
      return FromGameText(item->name.View());
    case Qt::DecorationRole:
      if (!item) return images_[0];
      return images_[IsUnitLine(index) ? 1 : 9 + item->Nation()];
    case Qt::FontRole:
      if (!item) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags CreatedItemModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

const std::vector<OrgItem*>& CreatedItemModel::ChildrenOf(const OrgGroup* group) const {
  auto [table, made] = children_.try_emplace(group);
  if (made) {
    int row = 0;
    for (const auto& node : group ? group->children : organization_.items) {
      table->second.push_back(node.item);
      rows_[node.item] = row++;
    }
  }
  return table->second;
}

bool CreatedItemModel::HasUnitLine(const OrgItem& item) const {
  return database_.Find(0, item.reference) != nullptr;
}

}  // namespace valdren
