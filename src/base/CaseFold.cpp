#include "base/CaseFold.h"

#include <algorithm>
#include <array>

namespace valdren {

namespace {

constexpr std::array<unsigned char, 256> MakeLowerCase() {
  std::array<unsigned char, 256> lower{};
  for (int byte = 0; byte < 256; ++byte)
    lower[byte] = static_cast<unsigned char>(byte);
  for (int byte = 'A'; byte <= 'Z'; ++byte)
    lower[byte] += 0x20;
  for (int byte = 0xC0; byte <= 0xDE; ++byte)
    if (byte != 0xD7) lower[byte] += 0x20;  // × has no partner (÷ is not its small letter)
  lower[0x8A] = 0x9A;                       // Š š
  lower[0x8C] = 0x9C;                       // Œ œ
  lower[0x8E] = 0x9E;                       // Ž ž
  lower[0x9F] = 0xFF;                       // Ÿ ÿ
  return lower;
}

constexpr std::array<unsigned char, 256> kLowerCase = MakeLowerCase();

}  // namespace

char FoldCase(char byte) {
  return static_cast<char>(kLowerCase[static_cast<unsigned char>(byte)]);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  const auto same = [](char a, char b) { return FoldCase(a) == FoldCase(b); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end() ||
         part.empty();
}

}  // namespace valdren
