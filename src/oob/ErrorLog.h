#pragma once

#include <ostream>

namespace valdren {

// The warnings found while the database loads, for people to read: every entry ends with a line
// feed. The program writes them to error.log in the game folder; tests give their own stream.
class ErrorLog {
 public:
  explicit ErrorLog(std::ostream& out) : out_(out) {}

  // Starts a new entry and returns the stream to write it to.
  std::ostream& Entry() {
    ++entries_;
    return out_;
  }
  int Entries() const { return entries_; }

 private:
  std::ostream& out_;
  int entries_ = 0;
};

}  // namespace valdren
