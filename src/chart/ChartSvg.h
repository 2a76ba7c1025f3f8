#pragma once

#include <string>

namespace valdren {

struct Chart;

// The chart as an SVG document, UTF-8, that needs nothing beside it: the marks and emblems are
// the tree images' own shapes, defined once and used by every box. It keeps to what SVG Tiny 1.2
// renderers draw (Qt's QSvgRenderer among them): rectangles, paths, text, groups and uses. Its
// title and description, with role="img", give it an accessible name wherever it is embedded.
// Numbers are written by the program itself, never by the locale, so the same chart gives the
// same bytes everywhere.
std::string ChartSvg(const Chart& chart);

}  // namespace valdren
