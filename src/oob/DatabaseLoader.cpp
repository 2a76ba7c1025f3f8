#include "oob/DatabaseLoader.h"

#include <algorithm>
#include <string>

#include "base/Scanner.h"
#include "base/TextInput.h"
#include "oob/NumberedFiles.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonFile.h"

namespace valdren {

namespace {

// About how many records the text holds: they are parted by blank lines. Only a hint for the
// index, so that it is made once at about its size; a cheap count the compiler vectorizes. A
// record takes more than a few bytes, so a text of empty lines cannot ask for an index many times
// its size.
std::size_t EstimateRecords(std::string_view text) {
  constexpr std::size_t kShortestRecord = 16;  // "41 6 45 12 C1 7\n" and its blank line
  std::size_t blankLines = 0;
  for (std::size_t at = 1; at < text.size(); ++at)
    blankLines += std::size_t{text[at - 1] == '\n'} & std::size_t{text[at] == '\n'};
  return std::min(blankLines, text.size() / kShortestRecord) + 1;
}

}  // namespace

ErrorText LoadOobFile(OobDatabase& database, int echelon, std::string_view fileName,
                      std::string_view text, ErrorLog& log) {
  database.Reserve(echelon, EstimateRecords(text));
  Scanner file(text);
  int lineCounter = 0;
  while (!file.Failed()) {
    ArenaPtr<OrgTemplate> unit = database.MakeOrgTemplate(echelon);
    if (ErrorText error = unit->ReadRecord(echelon, file, lineCounter, database, log)) {
      return "File " + std::string(fileName) + ": line " + std::to_string(lineCounter) + ": " +
             *error;
    }
    // Also what is left after the last record: blank or comment lines up to the end.
    if (unit->reference == 0) continue;
    database.Append(std::move(unit));
  }
  return std::nullopt;
}

ErrorText LoadEchelonFiles(OobDatabase& database, int echelon, const std::filesystem::path& folder,
                           TextFileReader& reader, ErrorLog& log) {
  return LoadNumberedFiles(folder, EchelonStem(echelon), "oob", reader,
                           [&](std::string_view fileName, std::string_view text) {
                             return LoadOobFile(database, echelon, fileName, text, log);
                           });
}

bool HoldsDatabase(const std::filesystem::path& folder) {
  if (HasFileOfSet(folder, EchelonStem(kPlatoon), "obx")) return true;
  for (int echelon = kCompany; echelon <= kArmy; ++echelon)
    if (HasFileOfSet(folder, EchelonStem(echelon), "oob")) return true;
  return false;
}

// References resolve only against what is loaded already, so platoons come first and each
// echelon after the ones below it.
ErrorText OobDatabase::LoadDatabase(const std::filesystem::path& folder, ErrorLog& log) {
  TextFileReader reader;
  if (ErrorText error = LoadPlatoons(*this, folder, reader)) return error;
  for (int echelon = kCompany; echelon <= kArmy; ++echelon)
    if (ErrorText error = LoadEchelonFiles(*this, echelon, folder, reader, log)) return error;
  return std::nullopt;
}

}  // namespace valdren
