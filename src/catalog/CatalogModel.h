#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/String.h"
#include "catalog/CatalogEntry.h"
#include "catalog/MissingSubunits.h"
#include "oob/Echelon.h"
#include "oob/Nations.h"

namespace valdren {

class CatalogMessages;
class OobDatabase;

// The identity of one catalog row, stable while the row exists: a view keeps it (a Qt model
// stores it as the index's internal id). The rows of a nation's templates and breakdowns get new
// identities whenever the nation is emptied; an old one is then no longer valid.
struct CatalogRow {
  std::uint64_t id = ~std::uint64_t{0};
  bool operator==(const CatalogRow&) const = default;
};
inline constexpr CatalogRow kNoRow{};

// A template that a search of the catalog found: where its row is listed, at the date it was
// found at.
struct CatalogMatch {
  int nation = 0;
  int echelon = 0;
  int index = 0;  // among the rows of the echelon group
  const UnitTemplate* unit = nullptr;
  CatalogDate date;
  bool operator==(const CatalogMatch&) const = default;
};

// Told before and after the rows under an echelon group change, the only rows that ever do, so
// that a view can follow (a Qt model passes these on as beginRemoveRows and so on).
class CatalogObserver {
 public:
  virtual ~CatalogObserver() = default;
  virtual void BeginRemoveRows(CatalogRow /*parent*/, int /*first*/, int /*last*/) {}
  virtual void EndRemoveRows() {}
  virtual void BeginInsertRows(CatalogRow /*parent*/, int /*first*/, int /*last*/) {}
  virtual void EndInsertRows() {}
};

// The tree "Available Units and Organizations": the database grouped by nation and echelon at the
// filter date, each organization with its complete breakdown of groups and alternatives.
//
// Rows are made when they are asked for: a nation's templates are chosen when the nation is
// filled, and the rows below a template or an alternative are computed from the templates the
// first time a view asks for them, then kept until the nation is emptied. So a nation whose
// breakdown would be millions of rows costs only the rows that are looked at. The messages that a
// fill shows are found without walking the breakdown (MissingSubunits).
class CatalogModel {
 public:
  // Builds the skeleton: the root, a row for each nation with templates in the database (of any
  // echelon and date), in index order, and its eight echelon groups, all empty.
  CatalogModel(const OobDatabase& database, CatalogMessages& messages);
  CatalogModel(const CatalogModel&) = delete;
  CatalogModel& operator=(const CatalogModel&) = delete;

  void SetObserver(CatalogObserver* observer) { observer_ = observer; }

  // ---- Rows. Asking about a row that is not valid gives an empty answer (no row, no text).
  CatalogRow Root() const { return SkeletonRow(kRootSlot); }
  bool IsValid(CatalogRow row) const;
  CatalogRow Parent(CatalogRow row) const;
  // The row's position among its parent's children.
  int RowIndex(CatalogRow row) const;
  int ChildCount(CatalogRow row) const;
  // The index-th child, made on first request; kNoRow when there is none.
  CatalogRow Child(CatalogRow parent, int index) const;
  // Everything the row shows; its text, image and template follow from it. A row that is not
  // valid shows nothing (CatalogKind::kNone).
  CatalogEntry Entry(CatalogRow row) const;
  String Text(CatalogRow row) const;
  int Image(CatalogRow row) const;
  // The template the row carries (template and alternative rows), or null.
  const UnitTemplate* Template(CatalogRow row) const;

  // What the children of the row that the entry describes show, without making their rows: for
  // walking a large breakdown once (as the tool prints it) without keeping it.
  std::vector<CatalogEntry> ChildEntries(const CatalogEntry& entry) const;

  // The row of a nation and of its echelon groups; kNoRow for a nation without templates.
  CatalogRow NationRow(int nation) const;
  CatalogRow EchelonGroupRow(int nation, int echelon) const;
  bool IsPresent(int nation) const;
  // A nation is filled when one of its echelon groups has a row.
  bool IsFilled(int nation) const;
  bool IsExpanded(int nation) const;

  // ---- Filling.
  // The view is about to expand (or collapse) the row. Only a nation row counts: expanding it
  // fills the nation, and the model remembers whether it is expanded for the next refresh.
  void OnCatalogExpanding(CatalogRow row, bool expanding);
  // Lists the nation's templates in range at the date and shows the messages of their
  // breakdowns, unless the nation is filled already. The rows are in place before the first
  // message; while a message is shown the date must not change (the boxes are modal).
  void FillNation(int nation);
  // Empties every nation and fills again those that are expanded, in nation order.
  void RefreshCatalog();

  // ---- Finding templates.
  // The templates listed at the filter date, in every nation, whose name contains the text,
  // letters compared without regard to case (FoldCase), in the catalog's order: by nation, by
  // echelon group, then as listed. The value a platoon's row shows after its name is not part of
  // the name. No nation is filled to search it; an empty text finds nothing.
  std::vector<CatalogMatch> FindTemplates(std::string_view text) const;
  // The row of a match found at the current filter date, its nation filled first if it is not
  // (showing the nation's messages, as expanding it does); kNoRow for a match of another date.
  // Showing the row (expanding the nation and the echelon group) is the view's part.
  CatalogRow MatchRow(const CatalogMatch& match);

  // ---- The filter date.
  CatalogDate FilterDate() const { return date_; }
  // A filter box has closed with the text it shows: the date it names, or nothing when that is
  // the filter date already. The change is the caller's to make (SetFilterDate): the organization
  // takes the new date, and the document counts as changed.
  std::optional<CatalogDate> OnMonthFilterChange(std::string_view text) const;
  std::optional<CatalogDate> OnYearFilterChange(std::string_view text) const;
  // The date of a new or opened organization, taken as it is (a date read from a file is not
  // range checked); the catalog is refreshed even when the date stays the same.
  void SetFilterDate(CatalogDate date);

 private:
  // Identities: the top byte says whether the row belongs to the skeleton (0) or to the rows of
  // nation n (n + 1), the next three bytes are that nation's generation, the low four bytes the
  // slot of the row.
  static constexpr std::uint32_t kRootSlot = 0;
  static constexpr std::uint32_t kNationSlots = 1;
  static constexpr std::uint32_t kEchelonGroupSlots = kNationSlots + kNationCount;
  static constexpr std::uint32_t kNotMade = ~std::uint32_t{0};

  // A row below an echelon group, made when first asked for.
  struct Node {
    CatalogEntry entry;
    CatalogRow parent;
    int index;                            // among the parent's children
    int childCount = -1;                  // not counted yet
    std::uint32_t firstChild = kNotMade;  // the children's slots follow one another
  };

  struct NationState {
    bool present = false;
    bool expanded = false;
    std::uint32_t generation = 0;
    int position = 0;  // among the root's children
    // The templates of the nation in load order, whatever the date.
    std::vector<const UnitTemplate*> templates;
    // The rows under each echelon group while the nation is filled.
    std::array<std::vector<const UnitTemplate*>, kEchelonCount> listed;
    // Rows below the echelon groups are made by the queries, which a view calls as const.
    mutable std::array<std::uint32_t, kEchelonCount> firstListedNode;
    mutable std::vector<Node> nodes;
  };

  static CatalogRow SkeletonRow(std::uint32_t slot) { return {slot}; }
  CatalogRow NodeRow(int nation, std::uint32_t slot) const;
  // The node a row names, or null for a skeleton row or an invalid one. Nodes are caches that
  // queries fill in, hence not const.
  Node* NodeOf(CatalogRow row) const;
  // Makes the children of a node; returns the slot of the first.
  std::uint32_t MakeChildren(int nation, std::uint32_t slot) const;
  // Whether a filled nation lists the template at the filter date.
  bool IsListed(const UnitTemplate& unit) const;
  void EmptyNation(int nation);
  // Shows the messages of the nation's templates in range, in the order of the templates.
  void ReportMissing(int nation, CatalogMessages& messages);

  const OobDatabase& database_;
  CatalogMessages& messages_;
  CatalogObserver* observer_ = nullptr;
  CatalogDate date_;
  MissingSubunits missing_;
  std::vector<int> presentNations_;
  std::array<NationState, kNationCount> nations_;
};

}  // namespace valdren
