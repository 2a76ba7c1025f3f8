#include "app/CreatedItemModel.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <utility>

#include "app/Images.h"
#include "app/RootFont.h"
#include "gui/GameText.h"
#include "oob/OobDatabase.h"
#include "org/OrgGroup.h"
#include "org/OrgRoot.h"
#include "org/UnitLine.h"

namespace valdren {

namespace {

constexpr quintptr kUnitLineTag = 1;

const QString kRootText = QStringLiteral("Created Units and Organizations");

}  // namespace

CreatedItemModel::CreatedItemModel(OrgRoot& organization, const OobDatabase& database,
                                   const TreeImageList& images, QObject* parent)
    : QAbstractItemModel(parent),
      organization_(organization),
      database_(database),
      images_(images),
      dates_(database),
      marked_(Date()) {}

void CreatedItemModel::Rebuild() {
  beginResetModel();
  children_.clear();
  rows_.clear();
  endResetModel();
}

void CreatedItemModel::Replace(OrgRoot replacement) {
  beginResetModel();
  children_.clear();
  rows_.clear();
  organization_ = std::move(replacement);
  marked_ = Date();
  endResetModel();
}

QModelIndex CreatedItemModel::RootIndex() const {
  return createIndex(0, 0, nullptr);
}

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
    return createIndex(0, 0,
                       reinterpret_cast<void*>(reinterpret_cast<quintptr>(item) | kUnitLineTag));
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

int CreatedItemModel::columnCount(const QModelIndex&) const {
  return 1;
}

bool CreatedItemModel::hasChildren(const QModelIndex& parent) const {
  if (!parent.isValid()) return true;
  if (parent.column() != 0 || IsUnitLine(parent)) return false;
  const OrgItem* const item = ItemOf(parent);
  if (!item) return !organization_.items.Empty();
  if (const OrgGroup* group = item->AsGroup()) return !group->children.Empty();
  return HasUnitLine(*item);
}

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
      if (NotAvailable(index)) {
        QFont refused;
        refused.setItalic(true);
        return refused;
      }
      return RootFont(!item);
    case Qt::ForegroundRole:
      if (!NotAvailable(index)) return {};
      return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    case Qt::ToolTipRole:
      if (!item || IsUnitLine(index)) return {};
      return FromGameText(dates_.Reason(*item, Date()));
    default:
      return {};
  }
}

// Created items the database does not offer at the filter date show greyed, in italics.
bool CreatedItemModel::NotAvailable(const QModelIndex& index) const {
  const OrgItem* const item = ItemOf(index);
  return item && !IsUnitLine(index) && !dates_.Available(*item, Date());
}

Qt::ItemFlags CreatedItemModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  // Only a created item takes a new name: not the root, not a unit line.
  const bool renamable = ItemOf(index) && !IsUnitLine(index);
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable |
         (renamable ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool CreatedItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  Q_EMIT RenameRequested(ItemOf(index), value.toString());
  return false;
}

std::unique_ptr<OrgItem> CreatedItemModel::Detach(OrgItem& item) {
  const QModelIndex index = IndexOf(item);
  beginRemoveRows(index.parent(), index.row(), index.row());
  OrgGroup* const parent = item.parent;
  std::unique_ptr<OrgItem> detached = organization_.Detach(item);
  ForgetSubtree(*detached);
  Forget(parent);
  endRemoveRows();
  return detached;
}

OrgItem& CreatedItemModel::Attach(std::unique_ptr<OrgItem> item, OrgPlace place) {
  const int size = rowCount(ParentIndex(place.parent));
  const int row = std::min(place.index, size);
  beginInsertRows(ParentIndex(place.parent), row, row);
  OrgItem& attached = organization_.Attach(std::move(item), {place.parent, row});
  Forget(place.parent);
  endInsertRows();
  Q_EMIT Placed(IndexOf(attached));
  return attached;
}

// A move shows as the item leaving and coming back, so the view shows it collapsed, as a
// subtree put in anew.
void CreatedItemModel::MoveTo(OrgItem& item, OrgPlace place) {
  Attach(Detach(item), place);
}

void CreatedItemModel::AppendTopLevel(int count, const std::function<void()>& append) {
  const int size = static_cast<int>(organization_.items.Size());
  beginInsertRows(RootIndex(), size, size + count - 1);
  append();
  Forget(nullptr);
  endInsertRows();
}

void CreatedItemModel::ItemChanged(const OrgItem& item) {
  const QModelIndex index = IndexOf(item);
  Q_EMIT dataChanged(index, index);
  EmitChanged(item);
}

// Only rows a view has asked for can be on the screen: those of the lists with a table. A
// command rating changes the leaders' references, so the children's own rows change too.
void CreatedItemModel::EmitChanged(const OrgItem& item) {
  const OrgGroup* const group = item.AsGroup();
  if (!group) {
    if (HasUnitLine(item)) {
      const QModelIndex line = index(0, 0, IndexOf(item));
      Q_EMIT dataChanged(line, line);
    }
    return;
  }
  if (!children_.contains(group)) return;
  const std::vector<OrgItem*>& children = children_.at(group);
  if (!children.empty()) Q_EMIT dataChanged(IndexOf(*children.front()), IndexOf(*children.back()));
  for (OrgItem* child : children)
    EmitChanged(*child);
}

void CreatedItemModel::DateChanged() {
  const MonthYear from = std::exchange(marked_, Date());
  // Most date changes leave every template of the organization as it was.
  if (dates_.AnyChanges(from, marked_)) EmitDateMarks(from, marked_);
}

void CreatedItemModel::EmitDateMarks(MonthYear from, MonthYear to) {
  for (const auto& [group, children] : children_) {
    const auto changes = [&](const OrgItem* item) {
      return dates_.Available(*item, from) != dates_.Available(*item, to);
    };
    for (auto first = children.begin(); first != children.end();) {
      first = std::find_if(first, children.end(), changes);
      if (first == children.end()) break;
      const auto last = std::find_if_not(first, children.end(), changes);
      Q_EMIT dataChanged(createIndex(static_cast<int>(first - children.begin()), 0, *first),
                         createIndex(static_cast<int>(last - children.begin()) - 1, 0, last[-1]),
                         {Qt::FontRole, Qt::ForegroundRole});
      first = last;
    }
  }
}

QModelIndex CreatedItemModel::ParentIndex(const OrgGroup* group) const {
  return group ? IndexOf(*group) : RootIndex();
}

void CreatedItemModel::Forget(const OrgGroup* group) {
  const auto table = children_.find(group);
  if (table == children_.end()) return;
  for (const OrgItem* child : table->second)
    rows_.erase(child);
  children_.erase(table);
}

void CreatedItemModel::ForgetSubtree(const OrgItem& item) {
  rows_.erase(&item);
  const OrgGroup* const group = item.AsGroup();
  if (!group) return;
  const auto table = children_.find(group);
  if (table == children_.end()) return;
  const std::vector<OrgItem*> children = std::move(table->second);
  children_.erase(table);
  for (const OrgItem* child : children)
    ForgetSubtree(*child);
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
