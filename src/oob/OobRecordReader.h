#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace valdren {

class OrgTemplate;
class Scanner;

// The pieces of a .oob record, in the order ReadRecord uses them. A file is read line by line
// from a scanner over its whole text; each line is then read through a scanner of its own, so no
// token can run into the next line.

// A comment without its closing bracket, for the log: the line counter and the whole line.
struct UnclosedComment {
  int lineCounter;
  std::string_view line;
};

// The next line of the file, at most 1023 characters, with the first "[...]" comment taken out;
// lines that hold only a comment are skipped. A "[" without a "]" after it cuts the line there
// and is added to unclosed. Counts every physical line read. Returns an empty line once the file
// is used up (the file scanner has failed then). The line lives in the file text or at the end of
// storage, where a line that lost a comment is added.
std::string_view ReadLine(Scanner& file, int& lineCounter, std::string& storage,
                          std::vector<UnclosedComment>& unclosed);

// Reads the header's dates, reference, morale and name; stops quietly at the first item it cannot
// read, so the rest keep their defaults. A prefix that is not the echelon's keeps the reference
// but stops before the morale.
void ReadHeader(OrgTemplate& unit, Scanner& line, int echelon);

}  // namespace valdren
