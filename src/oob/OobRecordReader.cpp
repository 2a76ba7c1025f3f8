#include "oob/OobRecordReader.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory_resource>

#include "base/Scanner.h"
#include "base/String.h"
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

ErrorText ReadGroup(SubunitGroup& group, Scanner& line, const OobDatabase& database) {
  group.name = "";
  group.choices.Clear();
  group.promotion = false;
  if (!ReadDates(group, line)) return "Invalid unit date range";
  line.SkipWhite();
  if (line.Peek() == '+') {
    char plus = 0;
    line.Get(plus);
    group.promotion = true;
  }
  for (;;) {
    // Only the first choice may leave out its probability; every later one begins with "(".
    const UnitTemplate* choice = nullptr;
    int probability = 100;
    if (ErrorText error = ReadChoice(choice, probability, line, database)) return error;
    group.choices.Append(choice, probability);
    char next = 0;
    if (!line.NextNonBlank(next)) break;  // the line has ended: no name
    line.Unget();
    if (next != '(') break;
  }
  group.name = line.TakeRest();
  return std::nullopt;
}

ErrorText ReadChoice(const UnitTemplate*& choice, int& probability, Scanner& line,
                     const OobDatabase& database) {
  line.SkipWhite();
  if (line.Peek() == '(') {
    char c = 0;
    line.Get(c);
    if (!line.ReadInt(probability)) return "Invalid unit probability value";
    if (!line.NextNonBlank(c) || c != ')') return "Missing right parenthesis in unit probability";
  }
  char prefix = 0;
  if (!ReadPrefix(line, prefix)) return "Missing unit type prefix";
  std::uint32_t reference = 0;
  if (!ReadReference(line, reference)) return "Missing unit reference number";
  choice = database.Find(EchelonFromLetter(prefix), reference);
  if (!choice) return "Invalid unit reference number: " + std::to_string(reference);
  return std::nullopt;
}

void CheckGroup(const OrgTemplate& unit, const SubunitGroup& group, ErrorLog& log) {
  // Wide enough that no probabilities a file can hold overflow the sum.
  std::int64_t sum = 0;
  for (const SubunitChoice& choice : group.choices) {
    sum += choice.weight;
    const UnitTemplate& chosen = *choice.item;
    if (!chosen.InDateRange(group.startMonth, group.startYear) ||
        !chosen.InDateRange(group.endMonth, group.endYear))
      log.OutOfRange(chosen, group.name.View(), unit);
  }
  if (sum != 100 && group.choices.Size() > 1) log.ProbabilitySum(group.name.View(), unit);
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

  // The groups are gathered on the stack first, so that the template's own vector is allocated
  // once, at its size, where the template keeps its memory (an arena never gets back what a
  // growing vector gives up). The choice lists take their nodes from there at once.
  std::pmr::memory_resource* const memory = groups.get_allocator().resource();
  constexpr std::size_t kGroupsOnStack = 16;
  alignas(SubunitGroup) std::byte room[kGroupsOnStack * sizeof(SubunitGroup)];
  std::pmr::monotonic_buffer_resource roomMemory(room, sizeof room);
  std::pmr::vector<SubunitGroup> read(&roomMemory);
  read.reserve(kGroupsOnStack);
  ErrorText error;
  for (line = ReadLine(file, lineCounter, storage, log); !file.Failed() && !IsBlank(line);
       line = ReadLine(file, lineCounter, storage, log)) {
    SubunitGroup& group = read.emplace_back(memory);
    Scanner in(line);
    error = ReadGroup(group, in, database);
    if (error) {
      read.pop_back();
      break;
    }
    CheckGroup(*this, group, log);
  }
  groups.assign(std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
  if (error) return error;
  if (!groups.empty() && groups.back().promotion) log.EndsInPromotion(*this);
  return std::nullopt;
}

}  // namespace valdren
