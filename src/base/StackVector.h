#pragma once

#include <cstddef>
#include <memory_resource>
#include <vector>

namespace valdren {

// A vector whose first N elements live on the stack: what a reader gathers before it knows how
// many there are, to copy it once, at its size, to where it is kept (an arena never gets back
// what a growing vector gives up).
template <typename T, std::size_t N>
class StackVector {
 public:
  StackVector() { items.reserve(N); }
  StackVector(const StackVector&) = delete;
  StackVector& operator=(const StackVector&) = delete;

 private:
  alignas(T) std::byte room_[N * sizeof(T)];
  std::pmr::monotonic_buffer_resource memory_{room_, sizeof room_};

 public:
  std::pmr::vector<T> items{&memory_};
};

}  // namespace valdren
