#include "oob/OobRecordReader.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory_resource>
#include <span>
#include <string>
#include <vector>

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

std::string_view ReadLine(Scanner& file, int& lineCounter, std::string& storage,
                          std::vector<UnclosedComment>& unclosed) {
  for (;;) {
    std::string_view line = file.ReadLine(String::kReadLimit);
    if (file.Failed()) return {};
    ++lineCounter;
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos) return line;
    // A "]" in front of the "[" closes nothing.
    const std::size_t close = line.find(']', open + 1);
    if (close != std::string_view::npos) {
      const std::size_t start = storage.size();
      storage.append(line.substr(0, open)).append(line.substr(close + 1));
      line = std::string_view(storage).substr(start);
    } else {
      unclosed.push_back({lineCounter, line});
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

// Reads one group line, all but the lookup of its choices: dates, an optional "+", the choices as
// written (added to choices, their places in the index prefetched) and the group name. Returns
// the error of what could not be read; the choices before it stay.
ErrorText ReadGroupLine(SubunitGroup& group, Scanner& line, std::pmr::vector<LineChoice>& choices,
                        const OobDatabase& database) {
  if (!ReadDates(group, line)) return "Invalid unit date range";
  line.SkipWhite();
  if (line.Peek() == '+') {
    char plus = 0;
    line.Get(plus);
    group.promotion = true;
  }
  for (;;) {
    // Only the first choice may leave out its probability; every later one begins with "(".
    LineChoice& choice = choices.emplace_back();
    if (ErrorText error = ReadLineChoice(choice, line)) {
      choices.pop_back();
      return error;
    }
    database.Prefetch(choice.echelon, choice.reference);
    char next = 0;
    if (!line.NextNonBlank(next)) break;  // the line has ended: no name
    line.Unget();
    if (next != '(') break;
  }
  group.name = line.TakeRest();
  return std::nullopt;
}

// Looks the group's choices up among the templates loaded so far, in their order; the first that
// names nothing is the error. The list is made at its size at once, where the group keeps its
// memory (an arena never gets back what a growing vector gives up).
ErrorText LookUpChoices(SubunitGroup& group, std::span<LineChoice> choices,
                        const OobDatabase& database) {
  group.choices.reserve(choices.size());
  for (LineChoice& choice : choices) {
    const OobDatabase::Found found = database.FindWithRange(choice.echelon, choice.reference);
    if (!found.unit) return "Invalid unit reference number: " + std::to_string(choice.reference);
    group.choices.push_back({found.unit, choice.probability});
    choice.range = found.range;
  }
  return std::nullopt;
}

// Logs each choice that does not exist over the group's whole range, and a group of several
// choices whose probabilities do not add up to 100.
void CheckGroup(const OrgTemplate& unit, const SubunitGroup& group,
                std::span<const LineChoice> choices, ErrorLog& log) {
  // Wide enough that no probabilities a file can hold overflow the sum.
  std::int64_t sum = 0;
  for (std::size_t at = 0; at < group.choices.size(); ++at) {
    sum += group.choices[at].weight;
    const DateRange& range = choices[at].range;
    if (!range.InDateRange(group.startMonth, group.startYear) ||
        !range.InDateRange(group.endMonth, group.endYear))
      log.OutOfRange(*group.choices[at].item, group.name.View(), unit);
  }
  if (sum != 100 && group.choices.size() > 1) log.ProbabilitySum(group.name.View(), unit);
}

// A group line read ahead of its lookups: where its choices begin among the record's, the line
// counter after it, how many unclosed comments came up to it, and the error that ended it.
struct GroupLine {
  std::size_t firstChoice = 0;
  int lineCounter = 0;
  std::size_t unclosedBefore = 0;
  ErrorText error;
};

// What a record's lines give before any reference is looked up.
struct ReadAhead {
  std::string storage;  // the lines that lost a comment, one after another
  std::vector<UnclosedComment> unclosed;
  StackVector<SubunitGroup, 16> groups;
  StackVector<GroupLine, 16> lines;
  StackVector<LineChoice, 64> choices;

  // The choices of the group line at the index.
  std::span<LineChoice> ChoicesOf(std::size_t index) {
    const std::size_t first = lines.items[index].firstChoice;
    const std::size_t end =
        index + 1 < lines.items.size() ? lines.items[index + 1].firstChoice : choices.items.size();
    return std::span(choices.items).subspan(first, end - first);
  }
};

// Reads the group lines up to the end of the record or the first that cannot be read; the groups'
// choice lists will take their memory from the given one.
void ReadGroupLines(ReadAhead& ahead, Scanner& file, int& lineCounter,
                    std::pmr::memory_resource* memory, const OobDatabase& database) {
  for (std::string_view line = ReadLine(file, lineCounter, ahead.storage, ahead.unclosed);
       !file.Failed() && !IsBlank(line);
       line = ReadLine(file, lineCounter, ahead.storage, ahead.unclosed)) {
    GroupLine& read = ahead.lines.items.emplace_back();
    read.firstChoice = ahead.choices.items.size();
    read.lineCounter = lineCounter;
    read.unclosedBefore = ahead.unclosed.size();
    Scanner in(line);
    read.error =
        ReadGroupLine(ahead.groups.items.emplace_back(memory), in, ahead.choices.items, database);
    if (read.error) return;
  }
}

// Looks up and checks the groups in their order, logging the unclosed comments in their turn, as
// a reading line by line would. The first line that fails sets the line counter back to itself
// and drops its group and those after it.
ErrorText LookUpGroups(const OrgTemplate& unit, ReadAhead& ahead, int& lineCounter,
                       const OobDatabase& database, ErrorLog& log) {
  std::size_t logged = 0;
  const auto logUnclosed = [&](std::size_t upTo) {
    for (; logged < upTo; ++logged) {
      const UnclosedComment& comment = ahead.unclosed[logged];
      log.MissingClosingBracket(comment.lineCounter, comment.line);
    }
  };
  for (std::size_t index = 0; index < ahead.lines.items.size(); ++index) {
    GroupLine& line = ahead.lines.items[index];
    logUnclosed(line.unclosedBefore);
    SubunitGroup& group = ahead.groups.items[index];
    ErrorText error = LookUpChoices(group, ahead.ChoicesOf(index), database);
    if (!error) error = std::move(line.error);
    if (error) {
      lineCounter = line.lineCounter;
      std::pmr::vector<SubunitGroup>& groups = ahead.groups.items;
      groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(index), groups.end());
      return error;
    }
    CheckGroup(unit, group, ahead.ChoicesOf(index), log);
  }
  logUnclosed(ahead.unclosed.size());
  return std::nullopt;
}

}  // namespace

// The group lines are read first and their references looked up after, all of the record's
// together, so that their places in the index come from memory at once rather than one after
// another.
ErrorText OrgTemplate::ReadRecord(int echelon, Scanner& file, int& lineCounter,
                                  const OobDatabase& database, ErrorLog& log) {
  groups.clear();
  name = "";
  this->echelon = echelon;
  ReadAhead ahead;
  std::string_view line;
  do {
    line = ReadLine(file, lineCounter, ahead.storage, ahead.unclosed);
  } while (!file.Failed() && IsBlank(line));
  Scanner header(line);
  ReadHeader(*this, header, echelon);
  // Its place in the index comes from memory while the groups are read.
  database.Prefetch(echelon, reference);

  ReadGroupLines(ahead, file, lineCounter, groups.get_allocator().resource(), database);
  const ErrorText error = LookUpGroups(*this, ahead, lineCounter, database, log);
  groups.assign(std::make_move_iterator(ahead.groups.items.begin()),
                std::make_move_iterator(ahead.groups.items.end()));
  if (error) return error;
  if (!groups.empty() && groups.back().promotion) log.EndsInPromotion(*this);
  return std::nullopt;
}

}  // namespace valdren
