#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string_view>

namespace valdren {

class UnitTemplate;

// The warnings found while the database loads, for people to read: every entry ends with a line
// feed. The program writes them to error.log in the game folder; tests give their own stream.
// Each kind of warning has its own method, so its wording lives in one place.
class ErrorLog {
 public:
  explicit ErrorLog(std::ostream& out) : out_(out) {}
  ErrorLog(const ErrorLog&) = delete;
  ErrorLog& operator=(const ErrorLog&) = delete;

  // Starts a new entry and returns the stream to write it to.
  std::ostream& Entry() {
    ++entries_;
    return out_;
  }
  int Entries() const { return entries_; }

  // A "[" without a "]" after it: the line number and the whole line as it was read.
  void MissingClosingBracket(int lineCounter, std::string_view line);
  // A choice whose template does not exist at the start or at the end of its group's range.
  void OutOfRange(const UnitTemplate& choice, std::string_view groupName,
                  const UnitTemplate& record);
  // A group of several choices whose probabilities do not add up to 100.
  void ProbabilitySum(std::string_view groupName, const UnitTemplate& record);
  // A record whose last group carries the promotion mark.
  void EndsInPromotion(const UnitTemplate& record);

 private:
  std::ostream& out_;
  int entries_ = 0;
};

// The program's own log: error.log in the game folder, emptied or created when this is made,
// even if nothing is ever written to it, and closed when it goes. When the file cannot be
// written (a read-only folder), the warnings are dropped and loading goes on.
class ErrorLogFile {
 public:
  static constexpr std::string_view kFileName = "error.log";

  explicit ErrorLogFile(const std::filesystem::path& folder);

  ErrorLog& Log() { return log_; }
  // False when error.log could not be opened for writing.
  bool IsOpen() const { return file_.is_open(); }

 private:
  std::ofstream file_;
  ErrorLog log_;
};

}  // namespace valdren
