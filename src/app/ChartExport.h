#pragma once

#include <QSize>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

namespace valdren {

// A chart's SVG (chart/ChartSvg.h) written as the user names it: SVG as it is, PNG drawn by
// QSvgRenderer at a scale on white or transparent, PDF through QPdfWriter as one page of the
// chart's own proportions, its text kept as text. Every format is saved as the organization is
// (base/AtomicFile.h): the old file stays until the new one is complete.

// The largest PNG made: 16,384 pixels a side and 64 megapixels, which image programs open and
// memory holds, as web ORBAT tools keep to.
inline constexpr int kMaxRasterSide = 16384;
inline constexpr qint64 kMaxRasterPixels = 64'000'000;

enum class ChartFormat { kSvg, kPng, kPdf };
// The format the file name's extension names, in any case; nothing for another.
std::optional<ChartFormat> ChartFormatOf(const std::filesystem::path& file);

struct RasterSettings {
  int scale = 1;  // pixels of the PNG to one of the chart
  bool transparent = false;
};
// The size of the PNG of a chart of the size, and whether it is within the limits.
QSize RasterSize(QSizeF chart, int scale);
bool RasterFits(QSize size);

// Writes the SVG to the file in the format its name's extension names (a PNG within the limits);
// the title names a PDF. Gives the reason it could not, as a line for a message, or nothing.
std::optional<QString> ExportChart(const std::string& svg, const QString& title,
                                   const std::filesystem::path& file, const RasterSettings& raster);

}  // namespace valdren
