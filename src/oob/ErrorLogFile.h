#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

#include "oob/ErrorLog.h"

namespace valdren {

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
