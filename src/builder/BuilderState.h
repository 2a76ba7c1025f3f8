#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "builder/IssuedNumbers.h"
#include "oob/Random.h"

namespace valdren {

// What the builder keeps for the whole run of the program, whatever document is open: its own
// generators, the numbers it has issued, and the program-wide generator that draws leaders.
// Whoever runs the commands owns it (the main window, the tool), so each test has its own.
//
// Each of the builder's generators is made the first time the operation it serves runs. Made
// without a seed, they are seeded from the clock, as the editor always does; given a seed, every
// generator starts from it, so the same data and answers build the same organization.
class BuilderState {
 public:
  BuilderState() = default;
  explicit BuilderState(std::uint32_t seed) : seed_(seed), programRandom_(seed) {}
  BuilderState(const BuilderState&) = delete;
  BuilderState& operator=(const BuilderState&) = delete;

  // The program-wide generator, made with the state.
  Random& ProgramRandom() { return programRandom_; }
  // The percentages that pick an alternative of a group.
  Random& PercentRandom() { return Made(percentRandom_); }
  // The position of a name in a unit-name list.
  Random& UnitNameRandom() { return Made(unitNameRandom_); }
  // The designation numbers.
  Random& NumberRandom() { return Made(numberRandom_); }
  IssuedNumbers& Issued() { return issuedNumbers_; }

 private:
  Random& Made(std::unique_ptr<Random>& random);

  std::optional<std::uint32_t> seed_;
  Random programRandom_;
  std::unique_ptr<Random> percentRandom_;
  std::unique_ptr<Random> unitNameRandom_;
  std::unique_ptr<Random> numberRandom_;
  IssuedNumbers issuedNumbers_;
};

}  // namespace valdren
