#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace valdren {

// The game's files hold Windows-1252 text; the core keeps it as bytes and the window shows
// QStrings. These two are the only crossing. Bytes that Windows-1252 leaves undefined show as
// the C1 control of the same value, so they come back unchanged; a character that Windows-1252
// cannot hold becomes "?".
QString FromGameText(std::string_view bytes);
std::string ToGameText(const QString& text);

}  // namespace valdren
