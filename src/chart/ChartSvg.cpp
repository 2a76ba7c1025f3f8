#include "chart/ChartSvg.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Windows1252.h"
#include "chart/Chart.h"
#include "chart/TreeImages.h"
#include "oob/Echelon.h"
#include "oob/Nations.h"
#include "org/Strength.h"

namespace valdren {

namespace {

using M = ChartMetrics;

constexpr std::string_view kInk = "#1b2433";   // the tree images' outline and marks
constexpr std::string_view kBand = "#a9cde6";  // and their frames' fill
constexpr std::string_view kTimes = " \u00d7 ";

// At most two decimals, a point, no exponent, whatever the locale.
std::string Number(double value) {
  const long long hundredths = std::llround(value * 100);
  std::string text = hundredths < 0 ? "-" : "";
  const long long magnitude = std::llabs(hundredths);
  text += std::to_string(magnitude / 100);
  if (const long long fraction = magnitude % 100; fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

// Game text as XML character data or an attribute's value, in UTF-8; a control character, which
// XML cannot hold, shows as "?".
std::string Xml(std::string_view gameText) {
  std::string escaped;
  for (const char c : gameText) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
  }
  return Windows1252ToUtf8(escaped);
}

// The unit-size image's mark without the frame the tree draws under it: every line but the one
// that draws the first rectangle.
std::string MarkShapes(int echelon) {
  std::string shapes(TreeImageShapes(kFirstMarkImage + echelon));
  if (const std::size_t frame = shapes.find("<rect"); frame != std::string::npos) {
    const std::size_t start = shapes.rfind('\n', frame) + 1;  // npos + 1 is the text's start
    const std::size_t end = shapes.find('\n', frame);
    shapes.erase(start, end == std::string::npos ? end : end + 1 - start);
  }
  return shapes;
}

class SvgWriter {
 public:
  explicit SvgWriter(const Chart& chart) : chart_(chart) {}

  std::string Write() && {
    const ChartBox& top = chart_.boxes.front();
    const std::string size =
        "width=\"" + Number(chart_.width) + "\" height=\"" + Number(chart_.height) + "\"";
    out_ +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.1\" " +
        size + " viewBox=\"0 0 " + Number(chart_.width) + " " + Number(chart_.height) +
        "\" role=\"img\" aria-labelledby=\"chart-title chart-desc\" "
        "font-family=\"DejaVu Sans, Verdana, sans-serif\">\n";
    out_ += "<title id=\"chart-title\">Order of battle of " + Xml(TopName(top)) + "</title>\n";
    out_ += "<desc id=\"chart-desc\">" + Description(top) + "</desc>\n";
    Defs();
    Connectors();
    for (const ChartBox& box : chart_.boxes)
      Box(box);
    out_ += "</svg>\n";
    return std::move(out_);
  }

 private:
  static std::string TopName(const ChartBox& top) {
    return top.echelon == kOrganizationBox ? "the organization" : top.name;
  }

  std::string Description(const ChartBox& top) const {
    const std::size_t boxes = chart_.boxes.size();
    return Xml(top.name + ": " + top.strength + ". " + std::to_string(boxes) +
               (boxes == 1 ? " box" : " boxes") + ", down to " + std::to_string(chart_.depth) +
               (chart_.depth == 1 ? " level" : " levels") +
               " below the top; what lies below a box is counted in it by template.");
  }

  // Each mark and emblem the boxes show, once.
  void Defs() {
    std::bitset<kEchelonCount> marks;
    std::bitset<kNationCount> emblems;
    for (const ChartBox& box : chart_.boxes) {
      if (box.echelon >= 0 && box.echelon < kEchelonCount)
        marks.set(static_cast<std::size_t>(box.echelon));
      if (box.nation >= 0) emblems.set(static_cast<std::size_t>(box.nation));
    }
    out_ += "<defs>\n";
    for (int echelon = 0; echelon < kEchelonCount; ++echelon)
      if (marks[static_cast<std::size_t>(echelon)])
        out_ +=
            "<g id=\"mark-" + std::to_string(echelon) + "\">\n" + MarkShapes(echelon) + "</g>\n";
    for (int nation = 0; nation < kNationCount; ++nation)
      if (emblems[static_cast<std::size_t>(nation)])
        out_ += "<g id=\"emblem-" + std::to_string(nation) + "\">\n" +
                std::string(TreeImageShapes(kFirstEmblemImage + nation)) + "</g>\n";
    out_ += "</defs>\n";
  }

  static double Centre(const ChartBox& box) { return box.x + box.width / 2; }
  // The bar between a row and the row below it, on the middle of a pixel.
  static double Bar(const ChartBox& child) { return child.y - M::kMarkAbove - 12.5; }

  // The middle of the band with a box's name, where a column's line branches into it.
  static double Band(const ChartBox& box) { return box.y + M::kHeaderHeight / 2; }

  // From each parent's bottom down to the bar above its children's row, along the bar, and down
  // from it to the top of each child's mark. A column's line runs down its indent, with a branch
  // into each of its boxes' bands.
  void Connectors() {
    std::vector<std::pair<double, double>> spans(chart_.boxes.size(), {-1, -1});
    std::string path;
    for (const ChartBox& child : chart_.boxes) {
      if (child.parent < 0) continue;
      const ChartBox& parent = chart_.boxes[static_cast<std::size_t>(child.parent)];
      if (parent.stacked) {
        // A column's boxes follow one another, so each piece runs on from the one before.
        const ChartBox& above = (&child)[-1];
        const double from = &above == &parent ? parent.y + parent.height : Band(above);
        path += "M" + Number(parent.x + M::kStackIndent / 2 + 0.5) + " " + Number(from) + "V" +
                Number(Band(child)) + "H" + Number(child.x);
        continue;
      }
      auto& [left, right] = spans[static_cast<std::size_t>(child.parent)];
      if (left < 0) {
        path += "M" + Number(Centre(parent)) + " " + Number(parent.y + parent.height) + "V" +
                Number(Bar(child));
        left = right = Centre(parent);
      }
      left = std::min(left, Centre(child));
      right = std::max(right, Centre(child));
      path += "M" + Number(Centre(child)) + " " + Number(Bar(child)) + "V" +
              Number(child.y - M::kMarkAbove - 1);
    }
    for (const ChartBox& child : chart_.boxes) {
      if (child.parent < 0) continue;
      auto& [left, right] = spans[static_cast<std::size_t>(child.parent)];
      if (left < 0) continue;
      path += "M" + Number(left) + " " + Number(Bar(child)) + "H" + Number(right);
      left = -1;  // drawn
    }
    if (!path.empty())
      out_ += "<path fill=\"none\" stroke=\"" + std::string(kInk) + "\" d=\"" + path + "\"/>\n";
  }

  void Text(double x, double y, double size, std::string_view weight, const std::string& text) {
    out_ += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" font-size=\"" + Number(size) +
            "\"" + std::string(weight) + ">" + text + "</text>\n";
  }

  void Box(const ChartBox& box) {
    const double x = box.x;
    const double y = box.y;
    out_ += "<g fill=\"" + std::string(kInk) + "\">\n";
    out_ += "<rect x=\"" + Number(x + 0.5) + "\" y=\"" + Number(y + 0.5) + "\" width=\"" +
            Number(box.width - 1) + "\" height=\"" + Number(box.height - 1) +
            "\" fill=\"#ffffff\" stroke=\"" + std::string(kInk) + "\"/>\n";
    out_ += "<rect x=\"" + Number(x + 1) + "\" y=\"" + Number(y + 1) + "\" width=\"" +
            Number(box.width - 2) + "\" height=\"" + Number(M::kHeaderHeight - 1) + "\" fill=\"" +
            std::string(kBand) + "\"/>\n";
    if (box.echelon >= 0 && box.echelon < kEchelonCount)
      out_ += "<use xlink:href=\"#mark-" + std::to_string(box.echelon) +
              "\" transform=\"translate(" + Number(Centre(box) - 8.5 * M::kImageScale) + " " +
              Number(y - M::kMarkAbove) + ") scale(" + Number(M::kImageScale) + ")\"/>\n";
    double nameX = x + M::kPadding;
    if (box.nation >= 0) {
      out_ += "<use xlink:href=\"#emblem-" + std::to_string(box.nation) +
              "\" transform=\"translate(" + Number(nameX) + " " +
              Number(y + (M::kHeaderHeight - kTreeImageHeight) / 2) + ")\"/>\n";
      nameX += kTreeImageWidth + M::kEmblemGap;
    }
    Text(nameX, y + 15, M::kNameSize, " font-weight=\"bold\"", Xml(box.name));
    Text(x + M::kPadding, y + M::kHeaderHeight + 12, M::kTextSize, "", Xml(box.strength));
    if (box.counts.empty()) return void(out_ += "</g>\n");
    const double line = y + M::kCountsTop;
    out_ += "<path fill=\"none\" stroke=\"#b8c4ce\" d=\"M" + Number(x + M::kPadding) + " " +
            Number(line - 0.5) + "H" + Number(x + box.width - M::kPadding) + "\"/>\n";
    double baseline = line + 12;
    for (const ChartCount& count : box.counts) {
      Text(x + M::kPadding, baseline, M::kTextSize, "",
           Xml(WithThousands(count.count)) + std::string(kTimes) + Xml(count.name));
      baseline += M::kLineHeight;
    }
    out_ += "</g>\n";
  }

  const Chart& chart_;
  std::string out_;
};

}  // namespace

std::string ChartSvg(const Chart& chart) {
  return SvgWriter(chart).Write();
}

}  // namespace valdren
