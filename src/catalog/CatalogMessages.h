#pragma once

#include <string_view>

namespace valdren {

// Where the catalog's messages go: message boxes in the editor, printed lines in the tool, a
// list in the tests. Each call is one message; the catalog goes on after it returns.
class CatalogMessages {
 public:
  virtual ~CatalogMessages() = default;
  virtual void Show(std::string_view text, std::string_view caption) = 0;
};

}  // namespace valdren
