#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "oob/Echelon.h"

namespace valdren::bench {

// The shape of a made-up game database, large enough to measure the loader on.
struct SyntheticShape {
  // Templates written for each echelon, platoons first. There must be at least one platoon.
  std::array<int, kEchelonCount> templates{};
  int groupsPerTemplate = 6;
  // Choices of every group but the first, which always names one platoon (the headquarters).
  int choicesPerGroup = 2;
  int nations = 20;
  // Distinct date ranges, nested one inside the other (at most 4).
  int dateRanges = 3;
  // Every this many records a comment-only line stands in front of the header, and every this
  // many group lines carries a trailing comment; 0 writes no comments.
  int commentEvery = 4;
  // 1 writes the plain file of each echelon; more spreads the records over as many numbered files.
  int filesPerEchelon = 1;
  // The game's files are written nation by nation, and a template's subunits are templates of its
  // own nation and period: by default each choice names one of the few dozen templates at the
  // record's own place, scaled, in the echelon below. Scattered choices name any template of that
  // echelon, the worst case for the memory caches.
  bool scatteredChoices = false;
  std::uint32_t seed = 1;
};

// A shape of about the given number of templates in all, spread over the echelons roughly as a
// real database is: many platoons and companies, few corps and armies.
SyntheticShape ShapeOfSize(int totalTemplates);

// Writes platoon and organization files of the given shape into the folder (which must exist)
// and returns the number of bytes written. The files load without an error and without a single
// warning: every choice names a template loaded earlier and existing over its group's range,
// the probabilities of a group add up to 100, and no record ends in a promotion.
std::uintmax_t WriteSyntheticGameFolder(const std::filesystem::path& folder,
                                        const SyntheticShape& shape);

}  // namespace valdren::bench
