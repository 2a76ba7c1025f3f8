#include "oob/Random.h"

#include <ctime>

namespace valdren {

Random::Random() : state_(static_cast<std::uint32_t>(std::time(nullptr))) {}

double Random::Next() {
  state_ = state_ * 1103515245u + 12345u;  // modulo 2^32 by unsigned arithmetic
  return static_cast<double>(state_ & 0x7FFFFFFFu) / 2147483648.0;
}

}  // namespace valdren
