#include "chart/TextWidth.h"

#include <array>

namespace valdren {

namespace {

// DejaVu Sans's advances of the printable ASCII characters, in thousandths of the font size.
constexpr std::array<short, 95> kNormal = {
    318, 401, 460, 838, 636, 950, 780, 275, 390, 390, 500, 838, 318, 361,  318, 337, 636, 636, 636,
    636, 636, 636, 636, 636, 636, 636, 337, 337, 838, 838, 838, 531, 1000, 684, 686, 698, 770, 632,
    575, 775, 752, 295, 295, 656, 557, 863, 748, 787, 603, 787, 695, 635,  611, 732, 684, 989, 685,
    611, 685, 390, 337, 390, 838, 500, 500, 613, 635, 550, 635, 615, 352,  635, 634, 278, 278, 579,
    278, 974, 634, 612, 635, 635, 411, 521, 392, 634, 592, 818, 592, 592,  525, 636, 337, 636, 838};
constexpr std::array<short, 95> kBold = {
    348,  456, 521, 838, 696, 1002, 872, 306,  457, 457, 523, 838, 380, 415,  380, 365,
    696,  696, 696, 696, 696, 696,  696, 696,  696, 696, 400, 400, 838, 838,  838, 580,
    1000, 774, 762, 734, 830, 683,  683, 821,  837, 372, 372, 775, 637, 995,  837, 850,
    733,  850, 770, 720, 682, 812,  774, 1103, 771, 724, 725, 457, 365, 457,  838, 500,
    500,  675, 716, 593, 716, 678,  435, 716,  712, 343, 343, 665, 343, 1042, 712, 687,
    716,  716, 493, 595, 478, 712,  652, 924,  645, 652, 582, 712, 365, 712,  838};
// A letter outside ASCII ("ä", "É", "×"); a control character shows as "?".
constexpr short kOtherNormal = 700;
constexpr short kOtherBold = 780;

}  // namespace

double TextWidth(std::string_view text, double size, FontWeight weight) {
  const auto& widths = weight == FontWeight::kBold ? kBold : kNormal;
  long total = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f)
      total += widths[byte - 0x20];
    else if (byte < 0x20)
      total += widths['?' - 0x20];
    else
      total += weight == FontWeight::kBold ? kOtherBold : kOtherNormal;
  }
  // Renderers that hint the glyphs round each advance to a whole pixel: a twentieth more keeps
  // their text inside.
  return static_cast<double>(total) * size / 1000 * 1.05;
}

}  // namespace valdren
