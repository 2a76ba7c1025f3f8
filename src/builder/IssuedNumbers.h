#pragma once

#include <cstddef>
#include <map>
#include <optional>

namespace valdren {

// The designation numbers handed out during the run, each once. They are kept as runs of
// consecutive numbers, so that asking whether a number is taken and finding the next free one
// both cost a logarithmic look-up, also when a small range such as 1..999 has been used up.
class IssuedNumbers {
 public:
  bool Contains(int n) const;
  // Adds the number unless it is there already.
  void Insert(int n);
  // The number itself when it is free; otherwise the first free number above it up to hi, then
  // the first free one from lo up to it; nothing when every number of lo..hi is taken. Expects
  // lo <= n <= hi.
  std::optional<int> FirstFree(int n, int lo, int hi) const;
  std::size_t Size() const { return size_; }

 private:
  using Runs = std::map<int, int>;  // first number of a run -> its last; runs never touch
  Runs::const_iterator RunHolding(int n) const;

  Runs runs_;
  std::size_t size_ = 0;
};

}  // namespace valdren
