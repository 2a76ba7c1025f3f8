#include "oob/ErrorLogFile.h"

namespace valdren {

// Binary, so that every entry ends with a line feed alone on every platform.
ErrorLogFile::ErrorLogFile(const std::filesystem::path& folder)
    : file_(folder / kFileName, std::ios::out | std::ios::trunc | std::ios::binary), log_(file_) {}

}  // namespace valdren
