#include "oob/DatabaseLoader.h"

#include <string>

#include "base/Scanner.h"
#include "base/TextInput.h"
#include "oob/NumberedFiles.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/PlatoonFile.h"

namespace valdren {

ErrorText LoadOobFile(OobDatabase& database, int echelon, std::string_view fileName,
                      std::string_view text, ErrorLog& log) {
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
