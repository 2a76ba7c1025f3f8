#pragma once

#include <QDialog>

#include "catalog/CatalogEntry.h"
#include "org/Strength.h"

namespace valdren {

class Prompter;
class StrengthTableModel;

// The full strength of the selection in a window of its own: the items by echelon, the units,
// leaders, morale and value, and the platoons by template in a table that sorts by any column
// (ties by name, as the tool's roster has them) and tells which templates the catalog offers at
// the organization's date; to copy into a spreadsheet (tab-separated) or to export as CSV.
class StrengthWindow : public QDialog {
  Q_OBJECT

 public:
  StrengthWindow(const QString& name, Strength strength, CatalogDate date, Prompter& prompter,
                 QWidget* owner);

  void Copy() const;
  void ExportCsv();

 private:
  QString Summary() const;

  QString name_;
  Strength strength_;
  Prompter& prompter_;
  StrengthTableModel* table_;
};

}  // namespace valdren
