#pragma once

#include <string_view>

namespace valdren {

// Where the catalog's messages go: message boxes in the editor, printed lines in the tool, a
// list in the tests. Each call is one message; the catalog goes on after it returns.
class CatalogMessages {
 public:
  virtual ~CatalogMessages() = default;
  // A run of count messages follows (the messages of one fill), so that a long run can be cut
  // short by the one who reads it.
  virtual void BeginMessages(int /*count*/) {}
  virtual void Show(std::string_view text, std::string_view caption) = 0;
};

}  // namespace valdren
