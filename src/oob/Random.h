#pragma once

#include <cstdint>

namespace valdren {

// The linear congruential source of every random decision: the same seed always gives the same
// sequence, which is what makes a seeded build repeatable.
class Random {
 public:
  // Seeded from the calendar time in whole seconds.
  Random();
  explicit Random(std::uint32_t seed) : state_(seed) {}
  virtual ~Random() = default;

  // Advances the state and returns a value k / 2^31 with k in 0 .. 2^31 - 1.
  virtual double Next();

  std::uint32_t State() const { return state_; }

 private:
  std::uint32_t state_;
};

}  // namespace valdren
