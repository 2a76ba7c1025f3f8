#pragma once

#include <cstddef>

namespace valdren {

// Memory for a large block that is filled soon after it is taken: from the size of a huge page
// on, it starts on one and the system is asked to back it with huge pages, so that filling it
// takes one page fault per 2 MiB rather than one per 4 KiB. A fault costs about as much as
// copying ten kilobytes (more on a virtual machine), so a loader that fills tens of megabytes
// would spend most of its time in them. Smaller blocks are plain heap memory.
inline constexpr std::size_t kHugePage = std::size_t{1} << 21;

// What a block of the given size takes: from a huge page's size on, whole huge pages, since the
// last one is filled whole anyway.
std::size_t HugePagesFor(std::size_t bytes);

void* AllocateHugePages(std::size_t bytes);
// Frees a block of the given size from AllocateHugePages.
void FreeHugePages(void* block, std::size_t bytes) noexcept;

// The same for a container's elements.
template <typename T>
struct HugePageAllocator {
  using value_type = T;

  HugePageAllocator() = default;
  template <typename U>
  HugePageAllocator(const HugePageAllocator<U>&) {}  // NOLINT: rebinding converts freely

  T* allocate(std::size_t count) { return static_cast<T*>(AllocateHugePages(count * sizeof(T))); }
  void deallocate(T* elements, std::size_t count) noexcept {
    FreeHugePages(elements, count * sizeof(T));
  }
  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const {
    return true;
  }
};

}  // namespace valdren
