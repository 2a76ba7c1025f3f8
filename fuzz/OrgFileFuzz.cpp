// Any bytes given to the organization reader: no crash, and whatever it reads, once written,
// reads back and writes again to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "org/OrgFile.h"
#include "org/OrgRoot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace valdren;
  OrgRoot root;
  ReadOrganization(root, std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = WriteOrganization(root);
  OrgRoot back;
  if (!ReadOrganization(back, written)) std::abort();
  if (WriteOrganization(back) != written) std::abort();
  return 0;
}
