#include "oob/ErrorLog.h"

#include "oob/UnitTemplate.h"

namespace valdren {

void ErrorLog::MissingClosingBracket(int lineCounter, std::string_view line) {
  Entry() << "Missing closing bracket on line: " << lineCounter << "\n    " << line << '\n';
}

void ErrorLog::OutOfRange(const UnitTemplate& choice, std::string_view groupName,
                          const UnitTemplate& record) {
  Entry() << "Suborganization out of range:\n    " << choice.reference << ' ' << choice.name
          << "\n    in: " << groupName << "\n    in: " << record.reference << ' ' << record.name
          << '\n';
}

void ErrorLog::ProbabilitySum(std::string_view groupName, const UnitTemplate& record) {
  Entry() << "Probabilities do not add to 100:\n    " << groupName
          << "\n    in: " << record.reference << ' ' << record.name << '\n';
}

void ErrorLog::EndsInPromotion(const UnitTemplate& record) {
  Entry() << "List of suborganizations ends in promotion:\n    " << record.reference << ' '
          << record.name << '\n';
}

// Binary, so that every entry ends with a line feed alone on every platform.
ErrorLogFile::ErrorLogFile(const std::filesystem::path& folder)
    : file_(folder / kFileName, std::ios::out | std::ios::trunc | std::ios::binary), log_(file_) {}

}  // namespace valdren
