#include "catalog/CatalogModel.h"

#include <algorithm>

#include "base/CaseFold.h"
#include "catalog/CatalogMessages.h"
#include "catalog/CatalogTexts.h"
#include "oob/OobDatabase.h"

namespace valdren {

namespace {

class CountedMessages : public CatalogMessages {
 public:
  void Show(std::string_view, std::string_view) override { ++count; }
  int count = 0;
};

constexpr int kSpaceShift = 56;
constexpr int kGenerationShift = 32;
constexpr std::uint32_t kGenerationMask = 0xFFFFFF;

std::uint32_t SpaceOf(CatalogRow row) {
  return static_cast<std::uint32_t>(row.id >> kSpaceShift);
}
std::uint32_t GenerationOf(CatalogRow row) {
  return static_cast<std::uint32_t>(row.id >> kGenerationShift) & kGenerationMask;
}
std::uint32_t SlotOf(CatalogRow row) {
  return static_cast<std::uint32_t>(row.id);
}

}  // namespace

CatalogModel::CatalogModel(const OobDatabase& database, CatalogMessages& messages)
    : database_(database), messages_(messages), missing_(date_) {
  for (const auto& node : database_.Templates()) {
    const int nation = NationOf(*node.item);
    if (nation < 0 || nation >= kNationCount) continue;  // no row to list it under
    nations_[nation].present = true;
    nations_[nation].templates.push_back(node.item);
  }
  for (int nation = 0; nation < kNationCount; ++nation) {
    NationState& state = nations_[nation];
    state.firstListedNode.fill(kNotMade);
    if (!state.present) continue;
    state.position = static_cast<int>(presentNations_.size());
    presentNations_.push_back(nation);
  }
}

// ---- Rows

CatalogRow CatalogModel::NodeRow(int nation, std::uint32_t slot) const {
  const std::uint64_t space = static_cast<std::uint64_t>(nation) + 1;
  return {space << kSpaceShift | std::uint64_t{nations_[nation].generation} << kGenerationShift |
          slot};
}

CatalogModel::Node* CatalogModel::NodeOf(CatalogRow row) const {
  const std::uint32_t space = SpaceOf(row);
  if (space == 0 || space > kNationCount) return nullptr;
  const NationState& state = nations_[space - 1];
  if (GenerationOf(row) != state.generation || SlotOf(row) >= state.nodes.size()) return nullptr;
  return &state.nodes[SlotOf(row)];
}

CatalogRow CatalogModel::NationRow(int nation) const {
  return IsPresent(nation) ? SkeletonRow(kNationSlots + nation) : kNoRow;
}

CatalogRow CatalogModel::EchelonGroupRow(int nation, int echelon) const {
  if (!IsPresent(nation) || echelon < 0 || echelon >= kEchelonCount) return kNoRow;
  return SkeletonRow(kEchelonGroupSlots + nation * kEchelonCount + echelon);
}

bool CatalogModel::IsPresent(int nation) const {
  return nation >= 0 && nation < kNationCount && nations_[nation].present;
}

bool CatalogModel::IsFilled(int nation) const {
  return IsPresent(nation) && std::ranges::any_of(nations_[nation].listed,
                                                  [](const auto& list) { return !list.empty(); });
}

bool CatalogModel::IsExpanded(int nation) const {
  return IsPresent(nation) && nations_[nation].expanded;
}

CatalogEntry CatalogModel::Entry(CatalogRow row) const {
  if (Node* node = NodeOf(row)) return node->entry;
  if (!IsValid(row)) return {};
  const std::uint32_t slot = SlotOf(row);
  if (slot < kEchelonGroupSlots) {
    if (slot == kRootSlot) return {.kind = CatalogKind::kRoot};
    return {.kind = CatalogKind::kNation, .nation = static_cast<std::int8_t>(slot - kNationSlots)};
  }
  const std::uint32_t group = slot - kEchelonGroupSlots;
  return {.kind = CatalogKind::kEchelonGroup,
          .nation = static_cast<std::int8_t>(group / kEchelonCount),
          .echelon = static_cast<std::int8_t>(group % kEchelonCount)};
}

bool CatalogModel::IsValid(CatalogRow row) const {
  if (NodeOf(row)) return true;
  if (SpaceOf(row) != 0) return false;
  const std::uint32_t slot = SlotOf(row);
  if (slot == kRootSlot) return true;
  if (slot < kEchelonGroupSlots) return IsPresent(static_cast<int>(slot - kNationSlots));
  return slot < kEchelonGroupSlots + kNationCount * kEchelonCount &&
         IsPresent(static_cast<int>((slot - kEchelonGroupSlots) / kEchelonCount));
}

String CatalogModel::Text(CatalogRow row) const {
  return EntryText(Entry(row));
}

int CatalogModel::Image(CatalogRow row) const {
  return EntryImage(Entry(row));
}

const UnitTemplate* CatalogModel::Template(CatalogRow row) const {
  return Entry(row).unit;
}

CatalogRow CatalogModel::Parent(CatalogRow row) const {
  if (Node* node = NodeOf(row)) return node->parent;
  if (!IsValid(row) || row == Root()) return kNoRow;
  const CatalogEntry entry = Entry(row);
  return entry.kind == CatalogKind::kNation ? Root() : NationRow(entry.nation);
}

int CatalogModel::RowIndex(CatalogRow row) const {
  if (Node* node = NodeOf(row)) return node->index;
  if (!IsValid(row)) return 0;
  const CatalogEntry entry = Entry(row);
  switch (entry.kind) {
    case CatalogKind::kNation:
      return nations_[entry.nation].position;
    case CatalogKind::kEchelonGroup:
      return entry.echelon;
    default:
      return 0;
  }
}

int CatalogModel::ChildCount(CatalogRow row) const {
  if (Node* node = NodeOf(row)) {
    if (node->childCount < 0) {
      int count = 0;
      VisitBreakdown(node->entry, date_, [&count](const CatalogEntry&) { ++count; });
      node->childCount = count;
    }
    return node->childCount;
  }
  if (!IsValid(row)) return 0;
  const CatalogEntry entry = Entry(row);
  switch (entry.kind) {
    case CatalogKind::kRoot:
      return static_cast<int>(presentNations_.size());
    case CatalogKind::kNation:
      return kEchelonCount;
    case CatalogKind::kEchelonGroup:
      return static_cast<int>(nations_[entry.nation].listed[entry.echelon].size());
    default:
      return 0;
  }
}

CatalogRow CatalogModel::Child(CatalogRow parent, int index) const {
  if (index < 0 || index >= ChildCount(parent)) return kNoRow;
  const auto position = static_cast<std::uint32_t>(index);
  if (Node* node = NodeOf(parent)) {
    const int nation = static_cast<int>(SpaceOf(parent)) - 1;
    const std::uint32_t first =
        node->firstChild != kNotMade ? node->firstChild : MakeChildren(nation, SlotOf(parent));
    return NodeRow(nation, first + position);
  }
  const CatalogEntry entry = Entry(parent);
  switch (entry.kind) {
    case CatalogKind::kRoot:
      return NationRow(presentNations_[position]);
    case CatalogKind::kNation:
      return EchelonGroupRow(entry.nation, index);
    case CatalogKind::kEchelonGroup: {
      const NationState& state = nations_[entry.nation];
      std::uint32_t& first = state.firstListedNode[entry.echelon];
      if (first == kNotMade) {
        first = static_cast<std::uint32_t>(state.nodes.size());
        int row = 0;
        for (const UnitTemplate* unit : state.listed[entry.echelon])
          state.nodes.push_back({.entry = {.kind = CatalogKind::kTemplate, .unit = unit},
                                 .parent = parent,
                                 .index = row++});
      }
      return NodeRow(entry.nation, first + position);
    }
    default:
      return kNoRow;
  }
}

std::vector<CatalogEntry> CatalogModel::ChildEntries(const CatalogEntry& entry) const {
  std::vector<CatalogEntry> children;
  switch (entry.kind) {
    case CatalogKind::kRoot:
      for (const int nation : presentNations_)
        children.push_back(
            {.kind = CatalogKind::kNation, .nation = static_cast<std::int8_t>(nation)});
      break;
    case CatalogKind::kNation:
      if (!IsPresent(entry.nation)) break;
      for (int echelon = 0; echelon < kEchelonCount; ++echelon)
        children.push_back({.kind = CatalogKind::kEchelonGroup,
                            .nation = entry.nation,
                            .echelon = static_cast<std::int8_t>(echelon)});
      break;
    case CatalogKind::kEchelonGroup:
      if (!IsPresent(entry.nation)) break;
      for (const UnitTemplate* unit : nations_[entry.nation].listed[entry.echelon])
        children.push_back({.kind = CatalogKind::kTemplate, .unit = unit});
      break;
    default:
      VisitBreakdown(entry, date_,
                     [&children](const CatalogEntry& child) { children.push_back(child); });
  }
  return children;
}

std::uint32_t CatalogModel::MakeChildren(int nation, std::uint32_t slot) const {
  std::vector<Node>& nodes = nations_[nation].nodes;
  const CatalogEntry entry = nodes[slot].entry;
  const CatalogRow parent = NodeRow(nation, slot);
  const auto first = static_cast<std::uint32_t>(nodes.size());
  int count = 0;
  VisitBreakdown(entry, date_, [&](const CatalogEntry& child) {
    nodes.push_back({.entry = child, .parent = parent, .index = count++});
  });
  nodes[slot].firstChild = first;
  nodes[slot].childCount = count;
  return first;
}

// ---- Filling

void CatalogModel::OnCatalogExpanding(CatalogRow row, bool expanding) {
  if (Parent(row) != Root()) return;
  const int nation = Entry(row).nation;
  nations_[nation].expanded = expanding;
  FillNation(nation);
}

void CatalogModel::FillNation(int nation) {
  if (!IsPresent(nation) || IsFilled(nation)) return;
  NationState& state = nations_[nation];
  std::array<std::vector<const UnitTemplate*>, kEchelonCount> listed;
  for (const UnitTemplate* unit : state.templates)
    if (IsListed(*unit)) listed[unit->echelon].push_back(unit);
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    if (listed[echelon].empty()) continue;
    const int last = static_cast<int>(listed[echelon].size()) - 1;
    if (observer_) observer_->BeginInsertRows(EchelonGroupRow(nation, echelon), 0, last);
    state.listed[echelon] = std::move(listed[echelon]);
    if (observer_) observer_->EndInsertRows();
  }
  // The rows are all in place before the first message. The messages are counted first, which
  // costs little: only templates that can produce one are walked.
  CountedMessages counted;
  ReportMissing(nation, counted);
  if (counted.count == 0) return;
  messages_.BeginMessages(counted.count);
  ReportMissing(nation, messages_);
}

bool CatalogModel::IsListed(const UnitTemplate& unit) const {
  return unit.InDateRange(date_.month, date_.year) && ListedInCatalog(unit);
}

void CatalogModel::ReportMissing(int nation, CatalogMessages& messages) {
  for (const UnitTemplate* unit : nations_[nation].templates)
    if (const OrgTemplate* org = AsOrg(unit); org && org->InDateRange(date_.month, date_.year))
      missing_.Report(*org, org->name.View(), messages);
}

void CatalogModel::EmptyNation(int nation) {
  NationState& state = nations_[nation];
  for (int echelon = 0; echelon < kEchelonCount; ++echelon) {
    auto& list = state.listed[echelon];
    if (list.empty()) continue;
    const int last = static_cast<int>(list.size()) - 1;
    if (observer_) observer_->BeginRemoveRows(EchelonGroupRow(nation, echelon), 0, last);
    list = {};
    if (observer_) observer_->EndRemoveRows();
  }
  state.nodes = {};  // gives the memory back: a breakdown looked at in depth can be large
  state.firstListedNode.fill(kNotMade);
  state.generation = (state.generation + 1) & kGenerationMask;
}

// Every nation is emptied before any is filled again: while the messages of one are shown, no
// other still lists the rows of the old date.
void CatalogModel::RefreshCatalog() {
  for (const int nation : presentNations_)
    EmptyNation(nation);
  for (const int nation : presentNations_)
    if (nations_[nation].expanded) FillNation(nation);
}

// ---- Finding templates

std::vector<CatalogMatch> CatalogModel::FindTemplates(std::string_view text) const {
  std::vector<CatalogMatch> matches;
  if (text.empty()) return matches;
  for (const int nation : presentNations_) {
    const auto first = static_cast<std::ptrdiff_t>(matches.size());
    std::array<int, kEchelonCount> listed{};
    for (const UnitTemplate* unit : nations_[nation].templates) {
      if (!IsListed(*unit)) continue;
      const int index = listed[unit->echelon]++;
      if (ContainsIgnoringCase(unit->name.View(), text))
        matches.push_back({nation, unit->echelon, index, unit, date_});
    }
    // Found in load order, which mixes the echelons; stable, so each group keeps its order.
    std::ranges::stable_sort(matches.begin() + first, matches.end(), {}, &CatalogMatch::echelon);
  }
  return matches;
}

CatalogRow CatalogModel::MatchRow(const CatalogMatch& match) {
  if (match.date != date_) return kNoRow;
  FillNation(match.nation);
  return Child(EchelonGroupRow(match.nation, match.echelon), match.index);
}

// ---- The filter date

std::optional<CatalogDate> CatalogModel::OnMonthFilterChange(std::string_view text) const {
  const int month = MonthFromName(text);
  if (month == date_.month) return std::nullopt;
  return CatalogDate{month, date_.year};
}

std::optional<CatalogDate> CatalogModel::OnYearFilterChange(std::string_view text) const {
  const int year = YearFromName(text);
  if (year == date_.year) return std::nullopt;
  return CatalogDate{date_.month, year};
}

void CatalogModel::SetFilterDate(CatalogDate date) {
  date_ = date;
  missing_.SetDate(date);
  RefreshCatalog();
}

}  // namespace valdren
