#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "base/ErrorText.h"

namespace valdren {

class TextFileReader;

// Reads one file of a file set: its name as the messages give it, and its text.
using FileLoader = std::function<ErrorText(std::string_view fileName, std::string_view text)>;

// Every file set of the database follows one rule: the numbered files stem00.ext to stem19.ext
// are loaded in increasing number (a gap does not stop the scan), and only when none of them
// exists is the plain stem.ext loaded. A file that cannot be opened is skipped. The first error
// ends the scan and is returned. The reader's buffer holds each text while it is loaded.
ErrorText LoadNumberedFiles(const std::filesystem::path& folder, std::string_view stem,
                            std::string_view extension, TextFileReader& reader,
                            const FileLoader& load);

// Whether the folder holds a file of the set, numbered or plain.
bool HasFileOfSet(const std::filesystem::path& folder, std::string_view stem,
                  std::string_view extension);

}  // namespace valdren
