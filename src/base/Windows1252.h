#pragma once

#include <string>
#include <string_view>

namespace valdren {

// The game's files hold Windows-1252 text. The character a byte stands for: the five bytes that
// Windows-1252 leaves undefined stand for the C1 control of the same value, so every byte has one.
char32_t Windows1252Char(unsigned char byte);

// The game's bytes as UTF-8 text, for output read by other programs (spreadsheets, scripts).
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace valdren
