#include "catalog/CatalogEntry.h"

#include <string>
#include <utility>

#include "catalog/CatalogTexts.h"
#include "oob/Nations.h"
#include "oob/PlatoonTemplate.h"

namespace valdren {

namespace {

String TemplateText(const UnitTemplate& unit) {
  const auto* platoon = unit.echelon == 0 ? dynamic_cast<const PlatoonTemplate*>(&unit) : nullptr;
  if (!platoon || !ShowsCatalogValue(*platoon)) return unit.name;
  std::string text(unit.name.View());
  text.append(" [").append(std::to_string(platoon->catalogValue)).append("]");
  return String(std::move(text));
}

}  // namespace

String EntryText(const CatalogEntry& entry) {
  switch (entry.kind) {
    case CatalogKind::kNone:
      return {};
    case CatalogKind::kRoot:
      return kCatalogRootText;
    case CatalogKind::kNation:
      return NationName(entry.nation);
    case CatalogKind::kEchelonGroup:
      return EchelonGroupText(entry.echelon);
    case CatalogKind::kTemplate:
      return TemplateText(*entry.unit);
    case CatalogKind::kGroup:
      return entry.group->name;
    case CatalogKind::kChoice:
      return ChoiceText(entry.probability, *entry.unit);
  }
  return {};
}

int EntryImage(const CatalogEntry& entry) {
  constexpr int kEchelonImages = 1;
  constexpr int kNationImages = 9;
  switch (entry.kind) {
    case CatalogKind::kNone:
    case CatalogKind::kRoot:
      return 0;
    case CatalogKind::kNation:
      return kNationImages + entry.nation;
    case CatalogKind::kEchelonGroup:
      return kEchelonImages + entry.echelon;
    case CatalogKind::kTemplate:
    case CatalogKind::kChoice:
      return kNationImages + NationOf(*entry.unit);
    case CatalogKind::kGroup:
      return kEchelonImages + entry.group->FirstChoiceEchelon();
  }
  return 0;
}

}  // namespace valdren
