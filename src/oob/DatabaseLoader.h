#pragma once

#include <filesystem>
#include <string_view>

#include "base/ErrorText.h"

namespace valdren {

class ErrorLog;
class OobDatabase;
class TextFileReader;

// Reads every record of one .oob file's text (already in text mode) into the database as
// templates of the echelon. A record without a reference number is dropped. The first broken
// group line ends the file and is returned as "File <name>: line <n>: <error>"; the templates
// appended before it stay.
ErrorText LoadOobFile(OobDatabase& database, int echelon, std::string_view fileName,
                      std::string_view text, ErrorLog& log);

// Loads the echelon's files from the folder: company00.oob to company19.oob, or company.oob
// when none of them exists (and so on for each echelon). Returns the first error.
ErrorText LoadEchelonFiles(OobDatabase& database, int echelon, const std::filesystem::path& folder,
                           TextFileReader& reader, ErrorLog& log);

// Whether the folder holds a game's database: a platoon file or an .oob file of any echelon.
bool HoldsDatabase(const std::filesystem::path& folder);

}  // namespace valdren
