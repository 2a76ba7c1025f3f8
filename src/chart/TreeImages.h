#pragma once

#include <string_view>

namespace valdren {

// The tree images both trees show (res/images/tree): 0 plain, 1..8 the unit sizes platoon..army,
// 9..28 the emblems of nations 0..19.
inline constexpr int kTreeImageCount = 29;
inline constexpr int kFirstMarkImage = 1;
inline constexpr int kFirstEmblemImage = 9;
// Each is drawn in 18 by 12 pixels; a unit-size image has the mark above a frame whose top edge
// is 5.5 pixels down and whose centre is 8.5 pixels across.
inline constexpr double kTreeImageWidth = 18;
inline constexpr double kTreeImageHeight = 12;

// The SVG elements that draw the image, as its file holds them inside its svg element; empty for
// an index outside the images. Compiled in from the files at build time.
std::string_view TreeImageShapes(int index);

}  // namespace valdren
