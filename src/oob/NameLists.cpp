#include "oob/NameLists.h"

#include <string>

#include "base/Scanner.h"
#include "base/TextInput.h"

namespace valdren {

namespace {

void LoadList(const std::filesystem::path& path, NameLists::List& list) {
  if (const auto text = ReadTextFile(path)) ReadNameList(*text, list);
}

}  // namespace

void ReadNameList(std::string_view text, NameLists::List& list) {
  Scanner file(text);
  String line;
  while (line.ReadLine(file))
    list.push_back(line);
}

void NameLists::LoadAll(const std::filesystem::path& folder) {
  for (int nation = 0; nation < kNationCount; ++nation) {
    LoadLeaderList(folder, nation);
    for (int echelon = kCompany; echelon <= kArmy; ++echelon)
      LoadNameList(folder, nation, echelon);
  }
}

void NameLists::LoadLeaderList(const std::filesystem::path& folder, int nation) {
  LoadList(folder / ("leader" + std::to_string(nation) + ".oob"), leaderNames.at(nation));
}

void NameLists::LoadNameList(const std::filesystem::path& folder, int nation, int echelon) {
  List& list = unitNames.at(nation).at(echelon);  // checks the echelon before it names a file
  LoadList(folder / (std::string(EchelonStem(echelon)) + std::to_string(nation) + ".txt"), list);
}

}  // namespace valdren
