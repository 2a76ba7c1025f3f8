#pragma once

#include <string_view>

namespace valdren {

// The size of a unit; also the index of a template's file set and of its catalog group.
enum Echelon : int {
  kPlatoon = 0,
  kCompany = 1,
  kBattalion = 2,
  kRegiment = 3,
  kBrigade = 4,
  kDivision = 5,
  kCorps = 6,
  kArmy = 7,
};
inline constexpr int kEchelonCount = 8;

// The type prefix written in front of a reference number: P C B R G D K A, "X" for anything else.
char EchelonLetter(int echelon);
// The seven upper-case letters A B C D G K R give their echelons; every other character, "P" and
// lower-case letters included, gives a platoon.
int EchelonFromLetter(char letter);
// The stem of the echelon's file names: "platoon", "company", ..., "army".
std::string_view EchelonStem(int echelon);

}  // namespace valdren
