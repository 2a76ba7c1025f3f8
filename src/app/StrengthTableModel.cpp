#include "app/StrengthTableModel.h"

#include "gui/GameText.h"
#include "oob/PlatoonTemplate.h"

namespace valdren {

StrengthTableModel::StrengthTableModel(Strength strength, CatalogDate date, QObject* parent)
    : QAbstractTableModel(parent), strength_(std::move(strength)), date_(date) {}

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
  if (role == Qt::DisplayRole) return Text(row, index.column());
  if (role != Qt::UserRole) return {};
  switch (index.column()) {
    case kPlatoons:
      return qlonglong{row.count};
    case kCatalogValue:
      return row.valued ? row.unit->catalogValue : -1;
    case kValue:
      return row.valued ? qlonglong{row.value} : -1;
    default:
      return Text(row, index.column());
  }
}

// The tool's date check: a platoon whose template the catalog does not offer at the date.
QString StrengthTableModel::Text(const TemplateStrength& row, int column) const {
  switch (column) {
    case kTemplate:
      return row.unit ? FromGameText(row.unit->name.View())
                      : tr("Unknown (P%1)").arg(row.reference);
    case kPlatoons:
      return QString::fromStdString(WithThousands(row.count));
    case kCatalogValue:
      return row.valued ? QString::number(row.unit->catalogValue) : QString();
    case kValue:
      return row.valued ? QString::fromStdString(WithThousands(row.value)) : QString();
    case kAvailable:
      if (!row.unit) return {};
      return row.unit->InDateRange(date_.month, date_.year) ? tr("yes") : tr("no");
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
    case kAvailable:
      return tr("Available at %1/%2").arg(date_.month).arg(date_.year);
  }
  return {};
}

std::vector<std::vector<std::string>> StrengthTableModel::Rows() const {
  std::vector<std::vector<std::string>> rows(1);
  for (int column = 0; column < kColumnCount; ++column)
    rows[0].push_back(headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
  for (const TemplateStrength& row : strength_.templates) {
    std::vector<std::string>& fields = rows.emplace_back();
    for (int column = 0; column < kColumnCount; ++column)
      fields.push_back(Field(row, column));
  }
  return rows;
}

// A field as a spreadsheet takes it: numbers without separators.
std::string StrengthTableModel::Field(const TemplateStrength& row, int column) const {
  if (column == kPlatoons) return std::to_string(row.count);
  if (column == kValue) return row.valued ? std::to_string(row.value) : std::string();
  return Text(row, column).toStdString();
}

}  // namespace valdren
