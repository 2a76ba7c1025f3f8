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

}  // namespace valdren
