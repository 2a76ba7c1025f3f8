#pragma once

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

#include "base/String.h"
#include "oob/Echelon.h"
#include "oob/Nations.h"

namespace valdren {

// The names the builder draws from: per nation a list of leader names and a list of unit names
// for each echelon from company to army (the platoon lists stay empty). Each list holds its
// file's lines in order; appending is constant-time and any entry can be picked by its index.
class NameLists {
 public:
  using List = std::vector<String>;

  // Every list of every nation, in the order the editor loads them at start-up: for each
  // nation 0..19, leader%d.oob, then company%d.txt to army%d.txt. Missing files leave their
  // lists empty; nothing here can fail.
  void LoadAll(const std::filesystem::path& folder);
  // leader%d.oob of the nation, appended to its leaderNames.
  void LoadLeaderList(const std::filesystem::path& folder, int nation);
  // The echelon's list file of the nation (company%d.txt for a company, ...), appended to its
  // unitNames.
  void LoadNameList(const std::filesystem::path& folder, int nation, int echelon);

  std::array<List, kNationCount> leaderNames;
  std::array<std::array<List, kEchelonCount>, kNationCount> unitNames;
};

// Appends every line of a list file's text (as TextMode gives it) to the list: each line
// verbatim, blank ones included, at most 1023 characters each (the rest of a longer line is the
// next entry); a final line feed adds no entry.
void ReadNameList(std::string_view text, NameLists::List& list);

}  // namespace valdren
