#include "app/StrengthField.h"

#include "app/StrengthWindow.h"
#include "gui/GameText.h"
#include "org/OrgItem.h"
#include "org/Strength.h"

namespace valdren {

StrengthField::StrengthField(const OobDatabase& database, const OrgRoot& organization,
                             Prompter& prompter, QWidget* parent)
    : QLabel(parent), database_(database), organization_(organization), prompter_(prompter) {
  setObjectName(QStringLiteral("StrengthField"));
}

void StrengthField::Show(const OrgItem* selected) {
  const std::string line = selected ? StrengthSummary(*selected, StrengthOf(*selected, database_))
                                    : StrengthSummary(StrengthOf(organization_, database_));
  setText(FromGameText(line));
}

void StrengthField::OpenWindow(const OrgItem* selected) {
  QWidget* owner = window();
  auto* shown = selected
                    ? new StrengthWindow(FromGameText(selected->name.View()),
                                         StrengthOf(*selected, database_), prompter_, owner)
                    : new StrengthWindow(tr("the organization"),
                                         StrengthOf(organization_, database_), prompter_, owner);
  shown->show();
}

}  // namespace valdren
