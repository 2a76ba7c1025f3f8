#pragma once

#include <span>
#include <string_view>

namespace valdren {

// The program's name, the main window's title while the document has no file name.
inline constexpr std::string_view kProgramTitle = "Valdren Organization Editor";

// The ids of the window's commands and controls: menu items, toolbar buttons, the filter boxes
// and the trees carry them (as action data or object names), and the prompts are found by them.
enum CommandId : int {
  kAvailableTreeId = 1,
  kCreatedTreeId = 2,
  kYearFilterId = 3,
  kMonthFilterId = 4,
  kFileNew = 101,
  kFileOpen = 102,
  kFileAppend = 103,
  kFileSave = 104,
  kFileSaveAs = 105,
  kFileExit = 106,
  kAddAuto = 201,
  kAddUser = 202,
  kRename = 203,
  kChangeMorale = 204,
  kChangeCommand = 205,
  kMoveUp = 206,
  kMoveDown = 207,
  kMoveToTop = 208,
  kMoveToBottom = 209,
  kDelete = 210,
  kRaise = 211,
  kLower = 212,
  kHelpContents = 1001,
  kAbout = 1002,
};

// What the window says of a command: its menu text (with the mnemonic's "&"; empty for the
// filter boxes, which have no menu item), the status-bar prompt while the pointer is over it,
// and its tooltip.
struct CommandText {
  int id;
  std::string_view menuText;
  std::string_view prompt;
  std::string_view tooltip;
};

std::span<const CommandText> CommandTexts();
// The texts of the id; an empty record for an id that has none.
CommandText CommandTextOf(int id);

// The menu bar, in order: each menu's title and its items, 0 standing for a separator.
enum class MenuId { kFile, kEdit, kHelp };
struct MenuLayout {
  MenuId id;
  std::string_view title;
  std::span<const int> items;
};
std::span<const MenuLayout> MenuBarLayout();
// The editing commands, in the order the Edit menu, the toolbar and the created tree's popup
// menu show them.
std::span<const int> EditingCommands();

}  // namespace valdren
