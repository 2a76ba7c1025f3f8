#include "app/StrengthTableModel.h"

#include "gui/GameText.h"
#include "oob/PlatoonTemplate.h"

namespace valdren {

StrengthTableModel::StrengthTableModel(Strength strength, QObject* parent)
    : QAbstractTableModel(parent), strength_(std::move(strength)) {}

int StrengthTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(strength_.templates.size());
}

int StrengthTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant StrengthTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const TemplateStrength& row = strength_.templates[static_cast<std::size_t>(index.row())];
  if (role == Qt::TextAlignmentRole && index.column() != kTemplate)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::UserRole) return {};
  const bool sorting = role == Qt::UserRole;
  switch (index.column()) {
    case kTemplate:
      return row.unit ? FromGameText(row.unit->name.View())
                      : tr("Unknown (P%1)").arg(row.reference);
    case kPlatoons:
      return sorting ? QVariant(qlonglong{row.count})
                     : QString::fromStdString(WithThousands(row.count));
    case kCatalogValue:
      if (!row.valued) return sorting ? QVariant(-1) : QVariant();
      return row.unit->catalogValue;
    case kValue:
      if (!row.valued) return sorting ? QVariant(-1) : QVariant();
      return sorting ? QVariant(qlonglong{row.value})
                     : QString::fromStdString(WithThousands(row.value));
  }
  return {};
}

QVariant StrengthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kTemplate:
      return tr("Template");
    case kPlatoons:
      return tr("Platoons");
    case kCatalogValue:
      return tr("Catalog value");
    case kValue:
      return tr("Value");
  }
  return {};
}

}  // namespace valdren
