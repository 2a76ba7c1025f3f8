#pragma once

#include <QAbstractTableModel>

#include "org/Strength.h"

namespace valdren {

// The platoons of a strength by template, as a table: the template's name, how many platoons it
// gives, its catalog value and their value together. A template missing from the database shows
// its reference. Each cell sorts by its number (Qt::UserRole), not by its text.
class StrengthTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kTemplate, kPlatoons, kCatalogValue, kValue, kColumnCount };

  explicit StrengthTableModel(Strength strength, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  Strength strength_;
};

}  // namespace valdren
