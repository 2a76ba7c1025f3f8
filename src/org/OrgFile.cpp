#include "org/OrgFile.h"

#include <ostream>
#include <sstream>

#include "base/AtomicFile.h"
#include "base/Scanner.h"
#include "base/TextInput.h"
#include "org/OrgRoot.h"

namespace valdren {

namespace fs = std::filesystem;

std::string_view OrgFileMessage(OrgFileStatus status) {
  switch (status) {
    case OrgFileStatus::kDone:
      return "";
    case OrgFileStatus::kUnableToOpen:
      return "Unable to open file";
    case OrgFileStatus::kErrorWriting:
      return "Error writing file";
    case OrgFileStatus::kErrorClosing:
      return "Error closing file";
    case OrgFileStatus::kErrorReading:
      return "Error reading file";
  }
  return "";
}

OrgFileStatus SaveOrganization(const OrgRoot& root, const fs::path& path) {
  switch (WriteAtomically(path, [&root](std::ostream& out) { return !root.Write(out).fail(); })) {
    case AtomicWrite::kDone:
      return OrgFileStatus::kDone;
    case AtomicWrite::kUnableToOpen:
      return OrgFileStatus::kUnableToOpen;
    case AtomicWrite::kErrorWriting:
      return OrgFileStatus::kErrorWriting;
    case AtomicWrite::kErrorClosing:
      break;
  }
  return OrgFileStatus::kErrorClosing;
}

OrgFileStatus LoadOrganization(OrgRoot& root, const fs::path& path) {
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) return OrgFileStatus::kUnableToOpen;
  Scanner in(*text);
  return root.Read(in) ? OrgFileStatus::kDone : OrgFileStatus::kErrorReading;
}

bool ReadOrganization(OrgRoot& root, std::string_view bytes) {
  const std::string text = TextMode(bytes);
  Scanner in(text);
  return !root.Read(in).Failed();
}

std::string WriteOrganization(const OrgRoot& root) {
  std::ostringstream out;
  root.Write(out);
  return std::move(out).str();
}

}  // namespace valdren
