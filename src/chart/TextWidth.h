#pragma once

#include <string_view>

namespace valdren {

enum class FontWeight { kNormal, kBold };

// How wide game text (Windows-1252 bytes) comes out in DejaVu Sans at the size in pixels: the
// font the chart names first, and of the fonts a viewer may take in its place (Verdana, then any
// sans-serif) the widest, so that a box sized by it holds its text wherever the chart is shown.
// Letters outside ASCII count as wide as an average letter.
double TextWidth(std::string_view text, double size, FontWeight weight);

}  // namespace valdren
