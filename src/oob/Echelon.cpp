#include "oob/Echelon.h"

namespace valdren {

namespace {
constexpr std::string_view kLetters = "PCBRGDKA";
constexpr std::string_view kStems[kEchelonCount] = {"platoon", "company",  "battalion", "regiment",
                                                    "brigade", "division", "corps",     "army"};
}  // namespace

char EchelonLetter(int echelon) {
  return echelon >= 0 && echelon < kEchelonCount ? kLetters[echelon] : 'X';
}

int EchelonFromLetter(char letter) {
  const std::size_t echelon = kLetters.find(letter);
  return echelon == std::string_view::npos ? kPlatoon : static_cast<int>(echelon);
}

std::string_view EchelonStem(int echelon) {
  return kStems[echelon];
}

}  // namespace valdren
