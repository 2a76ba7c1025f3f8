#pragma once

#include <QLabel>

namespace valdren {

class OobDatabase;
class OrgItem;
class OrgRoot;
class Prompter;

// The status bar's field right of the prompt pane: the strength of the selected formation (a
// unit line stands for its platoon), or of the whole organization with each side's value when
// the root or nothing is selected. Strength of Selection shows the full picture of the same in a
// window of its own.
class StrengthField : public QLabel {
  Q_OBJECT

 public:
  StrengthField(const OobDatabase& database, const OrgRoot& organization, Prompter& prompter,
                QWidget* parent);

  void Show(const OrgItem* selected);
  void OpenWindow(const OrgItem* selected);

 private:
  const OobDatabase& database_;
  const OrgRoot& organization_;
  Prompter& prompter_;
};

}  // namespace valdren
