#pragma once

#include <QAbstractTableModel>

#include <string>
#include <vector>

#include "catalog/CatalogEntry.h"
#include "org/Strength.h"

namespace valdren {

// The platoons of a strength by template, as a table: the template's name, how many platoons it
// gives, its catalog value, their value together, and whether the catalog offers it at the
// organization's date. A template missing from the database shows its reference. Each cell sorts
// by its number (Qt::UserRole), not by its text.
class StrengthTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTemplate, kPlatoons, kCatalogValue, kValue, kAvailable, kColumnCount };

  StrengthTableModel(Strength strength, CatalogDate date, QObject* parent = nullptr);
  // The table as text, a header row first, each field as UTF-8: what Copy and Export give.
  std::vector<std::vector<std::string>> Rows() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QString Text(const TemplateStrength& row, int column) const;
  std::string Field(const TemplateStrength& row, int column) const;

  Strength strength_;
  CatalogDate date_;
};

}  // namespace valdren
