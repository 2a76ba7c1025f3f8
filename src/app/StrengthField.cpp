#include "app/StrengthField.h"

#include "app/StrengthWindow.h"
#include "gui/GameText.h"
#include "org/OrgItem.h"
#include "org/OrgRoot.h"
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
  const CatalogDate date{organization_.month, organization_.year};
  auto* shown =
      selected ? new StrengthWindow(FromGameText(selected->name.View()),
                                    StrengthOf(*selected, database_), date, prompter_, window())
               : new StrengthWindow(tr("the organization"), StrengthOf(organization_, database_),
                                    date, prompter_, window());
  shown->show();
}

}  // namespace valdren
