#include "builder/IssuedNumbers.h"

#include <cstdint>
#include <iterator>

namespace valdren {

IssuedNumbers::Runs::const_iterator IssuedNumbers::RunHolding(int n) const {
  auto after = runs_.upper_bound(n);
  if (after == runs_.begin()) return runs_.end();
  const auto run = std::prev(after);
  return run->second >= n ? run : runs_.end();
}

bool IssuedNumbers::Contains(int n) const {
  return RunHolding(n) != runs_.end();
}

void IssuedNumbers::Insert(int n) {
  const auto next = runs_.upper_bound(n);
  auto previous = runs_.end();
  if (next != runs_.begin()) {
    previous = std::prev(next);
    if (previous->second >= n) return;
  }
  // Wide sums: the neighbours of INT_MIN and INT_MAX do not exist.
  const bool joinsPrevious =
      previous != runs_.end() && std::int64_t{previous->second} + 1 == std::int64_t{n};
  const bool joinsNext = next != runs_.end() && std::int64_t{n} + 1 == std::int64_t{next->first};
  ++size_;
  if (joinsPrevious && joinsNext) {
    previous->second = next->second;
    runs_.erase(next);
  } else if (joinsPrevious) {
    previous->second = n;
  } else if (joinsNext) {
    const int last = next->second;
    runs_.emplace_hint(runs_.erase(next), n, last);
  } else {
    runs_.emplace_hint(next, n, n);
  }
}

std::optional<int> IssuedNumbers::FirstFree(int n, int lo, int hi) const {
  const auto run = RunHolding(n);
  if (run == runs_.end()) return n;
  // Runs never touch, so the number after a run is free.
  if (run->second < hi) return run->second + 1;
  const auto low = RunHolding(lo);
  if (low == runs_.end()) return lo;
  // The run from lo ends below n's run and so leaves a gap before it.
  if (low->second < n) return low->second + 1;
  return std::nullopt;
}

}  // namespace valdren
