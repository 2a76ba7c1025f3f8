#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace valdren {

class OrgItem;
class Scanner;

// The line of one item in an organization file: indentation, the echelon letter directly
// followed by the reference, the id, the morale and the name to the end of the line.

// Reads the line behind the letter into the item; fails the scanner when a number is missing.
Scanner& ReadItemLine(Scanner& in, OrgItem& item);
std::ostream& WriteItemLine(std::ostream& out, const OrgItem& item, int indent);
// The line that closes a group, indented like the group's children.
std::ostream& WriteEndLine(std::ostream& out, int indent);

// Names are read back as one line of at most this many characters, so they are written so.
inline constexpr std::size_t kWrittenNameLimit = 1022;
// The name as it is written: line ends and the end-of-text byte (either would cut the line or
// the file short on reading) become blanks, and a name too long to read back is cut.
std::string WritableName(std::string_view name);

}  // namespace valdren
