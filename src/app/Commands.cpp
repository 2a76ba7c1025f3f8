#include "app/Commands.h"

#include <algorithm>
#include <array>

namespace valdren {

namespace {

constexpr std::array<CommandText, 22> kTexts = {{
    {kYearFilterId, "", "Select year to filter data", "Year Filter"},
    {kMonthFilterId, "", "Select month to filter data", "Month Filter"},
    {kFileNew, "&New", "Create new organization", "New Org"},
    {kFileOpen, "&Open...", "Open existing organization", "Old Org"},
    {kFileAppend, "&Append...", "Append file to current organization", "Append Org"},
    {kFileSave, "&Save", "Save current organization", "Save Org"},
    {kFileSaveAs, "&Save As...", "Save current org under different name", "Save Org As"},
    {kFileExit, "E&xit", "Exit organization editor", "Exit"},
    {kAddAuto, "&Add Unit or Organization (Auto choices)",
     "Add selected unit or organization with automatic choices", "Add Unit/Org (Auto)"},
    {kAddUser, "&Add Unit or Organization (User choices)",
     "Add selected unit or organization with user choices", "Add Unit/Org (User)"},
    {kRename, "&Rename Unit or Organization", "Rename selected unit or organization",
     "Rename Unit/Org"},
    {kChangeMorale, "&Change Morale of Unit or Organization",
     "Change morale of selected unit or organization", "Change Morale"},
    {kChangeCommand, "&Change Command Rating of Leaders", "Change command rating of leaders",
     "Change Command Rating"},
    {kMoveUp, "&Move Unit or Organization up in list",
     "Move selected unit or organization up in list", "Move Unit/Org Up"},
    {kMoveDown, "&Move Unit or Organization down in list",
     "Move selected unit or organization down in list", "Move Unit/Org Down"},
    {kMoveToTop, "&Move Unit or Organization to top of list",
     "Move selected unit or organization to top of list", "Unit/Org to Top"},
    {kMoveToBottom, "&Move Unit or Organization to bottom of list",
     "Move selected unit or organization to bottom of list", "Unit/Org to Bottom"},
    {kDelete, "&Delete Unit or Organization", "Delete selected unit or organization from list",
     "Delete Unit/Org"},
    {kRaise, "&Raise Unit in Organization", "Raise selected unit or organization in hierarchy",
     "Raise Unit/Org"},
    {kLower, "&Lower Unit in Organization", "Lower selected unit or organization in hierarchy",
     "Lower Unit/Org"},
    {kHelpContents, "&Contents (F1)", "Display help file contents", "Help File"},
    {kAbout, "&About", "Display info about program", "About"},
}};

constexpr std::array<int, 6> kFileItems = {kFileNew,  kFileOpen,   kFileAppend,
                                           kFileSave, kFileSaveAs, kFileExit};
constexpr std::array<int, 13> kEditItems = {
    kAddAuto,   kAddUser,      0,       kRename, kChangeMorale, kChangeCommand, kMoveUp, kMoveDown,
    kMoveToTop, kMoveToBottom, kDelete, kRaise,  kLower};
constexpr std::array<int, 2> kHelpItems = {kHelpContents, kAbout};

constexpr std::array<MenuLayout, 3> kMenuBar = {{
    {MenuId::kFile, "&File", kFileItems},
    {MenuId::kEdit, "&Edit", kEditItems},
    {MenuId::kHelp, "&Help", kHelpItems},
}};

}  // namespace

std::span<const CommandText> CommandTexts() {
  return kTexts;
}

CommandText CommandTextOf(int id) {
  const auto found = std::find_if(kTexts.begin(), kTexts.end(),
                                  [id](const CommandText& text) { return text.id == id; });
  return found == kTexts.end() ? CommandText{id, {}, {}, {}} : *found;
}

std::span<const MenuLayout> MenuBarLayout() {
  return kMenuBar;
}

std::span<const int> EditingCommands() {
  return std::span(kEditItems).subspan(3);
}

}  // namespace valdren
