#include "oob/OobRecordReader.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory_resource>
#include <span>

#include "base/Scanner.h"
#include "base/StackVector.h"
#include "base/String.h"
#include "oob/Echelon.h"
#include "oob/ErrorLog.h"
#include "oob/OobDatabase.h"
#include "oob/OrgTemplate.h"
#include "oob/SubunitGroup.h"

namespace valdren {

namespace {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Start year, start month, end year, end month. Months are often written with two digits, and
// a leading 0 would make the number octal (08 could not be read at all), so one 0 in front of
// a month is dropped.
bool ReadDates(DateRange& range, Scanner& line) {
  line.ReadInt(range.startYear);
  line.DropOneLeadingZero();
  line.ReadInt(range.startMonth);
  line.ReadInt(range.endYear);
  line.DropOneLeadingZero();
  line.ReadInt(range.endMonth);
  return !line.Failed();
}

// A type prefix: any character but a digit; a digit means the prefix was left out.
bool ReadPrefix(Scanner& line, char& prefix) {
  return line.NextNonBlank(prefix) && !IsDigit(prefix);
}

// Reference numbers are written with leading zeros (P0101), which would make them octal, so
// every 0 directly after the prefix is dropped.
bool ReadReference(Scanner& line, std::uint32_t& reference) {
  line.DropZeros();
  return line.ReadUnsigned(reference);
}

}  // namespace

std::string_view ReadLine(Scanner& file, int& lineCounter, std::string& storage, ErrorLog& log) {
  for (;;) {
    std::string_view line = file.ReadLine(String::kReadLimit);
    if (file.Failed()) return {};
    ++lineCounter;
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos) return line;
    // A "]" in front of the "[" closes nothing.
    const std::size_t close = line.find(']', open + 1);
    if (close != std::string_view::npos) {
      storage.assign(line.substr(0, open)).append(line.substr(close + 1));
      line = storage;
    } else {
      log.MissingClosingBracket(lineCounter, line);
      line = line.substr(0, open);
    }
    // A line that held only a comment does not end a record.
    if (!IsBlank(line)) return line;
  }
}

void ReadHeader(OrgTemplate& unit, Scanner& line, int echelon) {
  char prefix = 0;
  if (!ReadDates(unit, line) || !ReadPrefix(line, prefix) || !ReadReference(line, unit.reference))
    return;
  if (prefix != EchelonLetter(echelon) || !line.ReadInt(unit.morale)) return;
  char separator = 0;
  if (!line.Get(separator)) return;
  unit.name = line.TakeRest();
}

namespace {

// A choice as its line writes it, and the date range the index holds for it once it is looked up.
struct LineChoice {
  int echelon = 0;
  std::uint32_t reference = 0;
  int probability = 100;
  DateRange range;
};

// Reads one choice: an optional "(probability)" (else the probability stays as it was preset)
// and a reference.
ErrorText ReadLineChoice(LineChoice& choice, Scanner& line) {
  line.SkipWhite();
  if (line.Peek() == '(') {
    char c = 0;
    line.Get(c);
    if (!line.ReadInt(choice.probability)) return "Invalid unit probability value";
    if (!line.NextNonBlank(c) || c != ')') return "Missing right parenthesis in unit probability";
  }
  char prefix = 0;
  if (!ReadPrefix(line, prefix)) return "Missing unit type prefix";
  choice.echelon = EchelonFromLetter(prefix);
  if (!ReadReference(line, choice.reference)) return "Missing unit reference number";
  return std::nullopt;
}

// Logs each choice that does not exist over the group's whole range (the line's choices give
// their ranges), and a group of several choices whose probabilities do not add up to 100.
void CheckGroup(const OrgTemplate& unit, const SubunitGroup& group,
                std::span<const LineChoice> read, ErrorLog& log) {
  // Wide enough that no probabilities a file can hold overflow the sum.
  std::int64_t sum = 0;
  for (std::size_t at = 0; at < group.choices.size(); ++at) {
    sum += group.choices[at].weight;
    const DateRange& range = read[at].range;
    if (!range.InDateRange(group.startMonth, group.startYear) ||
        !range.InDateRange(group.endMonth, group.endYear))
      log.OutOfRange(*group.choices[at].item, group.name.View(), unit);
  }
  if (sum != 100 && group.choices.size() > 1) log.ProbabilitySum(group.name.View(), unit);
}

}  // namespace

ErrorText ReadGroup(const OrgTemplate& unit, SubunitGroup& group, Scanner& line,
                    const OobDatabase& database, ErrorLog& log) {
  group.name = "";
  group.choices.clear();
  group.promotion = false;
  if (!ReadDates(group, line)) return "Invalid unit date range";
  line.SkipWhite();
  if (line.Peek() == '+') {
    char plus = 0;
    line.Get(plus);
    group.promotion = true;
  }
  // The line's references are all read before any is looked up, so that their places in the
  // index come from memory together.
  StackVector<LineChoice, 16> read;
  ErrorText error;
  for (;;) {
    // Only the first choice may leave out its probability; every later one begins with "(".
    LineChoice& choice = read.items.emplace_back();
    if ((error = ReadLineChoice(choice, line))) {
      read.items.pop_back();
      break;
    }
    database.Prefetch(choice.echelon, choice.reference);
    char next = 0;
    if (!line.NextNonBlank(next)) break;  // the line has ended: no name
    line.Unget();
    if (next != '(') break;
  }
  // A reference that names nothing comes before the choice that could not be read. The list is
  // made at its size at once, where the group keeps its memory (an arena never gets back what a
  // growing vector gives up).
  group.choices.reserve(read.items.size());
  for (LineChoice& choice : read.items) {
    const OobDatabase::Found found = database.FindWithRange(choice.echelon, choice.reference);
    if (!found.unit) {
      error = "Invalid unit reference number: " + std::to_string(choice.reference);
      break;
    }
    group.choices.push_back({found.unit, choice.probability});
    choice.range = found.range;
  }
  if (error) return error;
  group.name = line.TakeRest();
  CheckGroup(unit, group, read.items, log);
  return std::nullopt;
}

ErrorText OrgTemplate::ReadRecord(int echelon, Scanner& file, int& lineCounter,
                                  const OobDatabase& database, ErrorLog& log) {
  groups.clear();
  name = "";
  this->echelon = echelon;
  // The line read last lives in the file text or here.
  std::string storage;
  std::string_view line;
  do {
    line = ReadLine(file, lineCounter, storage, log);
  } while (!file.Failed() && IsBlank(line));
  Scanner header(line);
  ReadHeader(*this, header, echelon);
  // Its place in the index comes from memory while the groups are read.
  database.Prefetch(echelon, reference);

  // The groups are gathered on the stack; their choice lists take their memory from where the
  // template keeps its own at once.
  std::pmr::memory_resource* const memory = groups.get_allocator().resource();
  StackVector<SubunitGroup, 16> read;
  ErrorText error;
  for (line = ReadLine(file, lineCounter, storage, log); !file.Failed() && !IsBlank(line);
       line = ReadLine(file, lineCounter, storage, log)) {
    SubunitGroup& group = read.items.emplace_back(memory);
    Scanner in(line);
    error = ReadGroup(*this, group, in, database, log);
    if (error) {
      read.items.pop_back();
      break;
    }
  }
  groups.assign(std::make_move_iterator(read.items.begin()),
                std::make_move_iterator(read.items.end()));
  if (error) return error;
  if (!groups.empty() && groups.back().promotion) log.EndsInPromotion(*this);
  return std::nullopt;
}

}  // namespace valdren
