// Any bytes given to the name-list reader as a list file: no crash, and the entries are the
// text's lines in order, nothing lost and nothing added. Walking the text along the entries
// must meet each entry where the one before it ended, followed by its line feed, by the end of
// the text, or by more of an overlong line.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/String.h"
#include "base/TextInput.h"
#include "oob/NameLists.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valdren;
  const std::string text = TextMode(std::string_view(reinterpret_cast<const char*>(data), size));
  NameLists::List list{"kept"};  // a list appended to keeps what it held
  ReadNameList(text, list);
  if (list.empty() || list.front() != "kept") std::abort();

  std::size_t at = 0;
  for (auto entry = list.begin() + 1; entry != list.end(); ++entry) {
    const std::string_view name = entry->View();
    if (name.size() > String::kReadLimit) std::abort();
    if (at >= text.size()) std::abort();  // an entry after the text has ended
    if (text.compare(at, name.size(), name) != 0) std::abort();
    at += name.size();
    if (at < text.size() && text[at] == '\n')
      ++at;
    else if (at < text.size() && name.size() != String::kReadLimit)
      std::abort();
  }
  if (at != text.size()) std::abort();
  return 0;
}
