#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace valdren {

class OrgRoot;

// How saving or loading an organization file ended.
enum class OrgFileStatus {
  kDone,
  kUnableToOpen,  // the file (or, when saving, a new file in its folder) cannot be opened
  kErrorWriting,  // the organization could not be written completely
  kErrorClosing,  // the written file could not be completed and put in place
  kErrorReading,  // the file was not read completely; what was read before stays
};

// The message the editor and the tool show for the status: "Unable to open file",
// "Error writing file", "Error closing file", "Error reading file"; empty for kDone.
std::string_view OrgFileMessage(OrgFileStatus status);

// Writes the organization to the path. The file is written beside the target under a temporary
// name, flushed to the disk and only then renamed over the target, so that on any failure the
// previous file stays as it was and no temporary file is left behind.
OrgFileStatus SaveOrganization(const OrgRoot& root, const std::filesystem::path& path);

// Reads the organization file at the path into the root (cleared first).
OrgFileStatus LoadOrganization(OrgRoot& root, const std::filesystem::path& path);

// Reads an organization from a file's bytes as they are on the disk; false when the file is
// not read completely, with what was read before kept in the root.
bool ReadOrganization(OrgRoot& root, std::string_view bytes);
// The organization file's bytes.
std::string WriteOrganization(const OrgRoot& root);

}  // namespace valdren
