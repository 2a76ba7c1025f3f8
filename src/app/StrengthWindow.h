#pragma once

#include <QDialog>

#include "org/Strength.h"

namespace valdren {

class Prompter;

// The full strength of the selection in a window of its own: the items by echelon, the units,
// leaders, morale and value, and the platoons by template in a table that sorts by any column,
// to copy into a spreadsheet (tab-separated) or to export as CSV.
class StrengthWindow : public QDialog {
  Q_OBJECT

 public:
  StrengthWindow(const QString& name, Strength strength, Prompter& prompter, QWidget* owner);

  // The platoons by template with a header row, each field as UTF-8 text.
  std::vector<std::vector<std::string>> Table() const;
  void Copy() const;
  void ExportCsv();

 private:
  QString Summary() const;

  Strength strength_;
  Prompter& prompter_;
};

}  // namespace valdren
