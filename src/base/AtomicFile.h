#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

namespace valdren {

// How writing a file in place of another ended.
enum class AtomicWrite {
  kDone,
  kUnableToOpen,  // the file, or a new file in its folder, cannot be opened
  kErrorWriting,  // the writer failed, or its bytes could not all be written
  kErrorClosing,  // the written file could not be completed and put in place
};

// "Unable to open file", "Error writing file", "Error closing file"; empty for kDone.
std::string_view AtomicWriteMessage(AtomicWrite status);

// Writes a file through the writer, which puts the bytes on the stream and says whether it could.
// The file is written beside the target under a temporary name, flushed to the disk and only
// then renamed over the target, so that on any failure the previous file stays as it was and no
// temporary file is left behind. A file replaced keeps its permissions, and a symbolic link the
// file it names. Organization files, charts and whatever else the user keeps are saved so.
AtomicWrite WriteAtomically(const std::filesystem::path& path,
                            const std::function<bool(std::ostream&)>& write);

}  // namespace valdren
