#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/ErrorText.h"
#include "base/String.h"

namespace valdren {

class OobDatabase;
class TextFileReader;

// Loads platoon00.obx to platoon19.obx, or platoon.obx when none of them exists.
ErrorText LoadPlatoons(OobDatabase& database, const std::filesystem::path& folder,
                       TextFileReader& reader);

// Reads every line of one platoon file's text (as TextMode gives it) into a platoon and appends
// it, blank lines included. The file name only serves the error text.
ErrorText LoadPlatoonFile(OobDatabase& database, std::string_view fileName, std::string_view text);

// Platoon lines are stored scrambled: every code from 32 to 127 moves down by the line's length
// (96 for a line of 95) among the 95 printable codes, wrapping from 32 to 126. Other bytes stay.
void Unscramble(std::string& line);
void Unscramble(std::span<char> line);
// The inverse shift, for writing platoon files. Code 127 has no inverse: unscrambling folds it
// onto a printable code.
void Scramble(std::string& line);

// Unscrambles or scrambles a whole platoon file's bytes, one line at a time as the reader sees
// them: a carriage return before a line feed is neither shifted nor counted, a line longer than
// the reader takes is shifted in pieces of that length, and everything from a byte 26 on, which
// the reader never sees, is kept as it is. Line ends are kept.
std::string UnscrambleFile(std::string_view bytes);
std::string ScrambleFile(std::string_view bytes);

// Cuts the source at its first comma: the destination gets the text after it without its leading
// white space, the source keeps the text before it without the white space in front of the comma.
// Without a comma the destination becomes a copy of the source.
void SplitAtComma(String& source, String& destination);

}  // namespace valdren
