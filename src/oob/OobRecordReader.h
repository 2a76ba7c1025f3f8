#pragma once

#include <string>
#include <string_view>

#include "base/ErrorText.h"

namespace valdren {

class ErrorLog;
class OobDatabase;
class OrgTemplate;
class Scanner;
struct SubunitGroup;

// The pieces of a .oob record, in the order ReadRecord uses them. A file is read line by line
// from a scanner over its whole text; each line is then read through a scanner of its own, so no
// token can run into the next line.

// The next line of the file, at most 1023 characters, with the first "[...]" comment taken out;
// lines that hold only a comment are skipped. A "[" without a "]" after it is logged and the line
// is cut there. Counts every physical line read. Returns an empty line once the file is used up
// (the file scanner has failed then). The line lives in the file text or in storage, until the
// next call.
std::string_view ReadLine(Scanner& file, int& lineCounter, std::string& storage, ErrorLog& log);

// Reads the header's dates, reference, morale and name; stops quietly at the first item it cannot
// read, so the rest keep their defaults. A prefix that is not the echelon's keeps the reference
// but stops before the morale.
void ReadHeader(OrgTemplate& unit, Scanner& line, int echelon);

// Reads one group line: dates, an optional "+", the choices and the group name. References
// resolve among the templates loaded so far. Logs each choice that does not exist over the
// group's whole range, and a group of several choices whose probabilities do not add up to 100.
ErrorText ReadGroup(const OrgTemplate& unit, SubunitGroup& group, Scanner& line,
                    const OobDatabase& database, ErrorLog& log);

}  // namespace valdren
