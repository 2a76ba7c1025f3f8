#include "base/HugePages.h"

#include <new>

#include "base/AddressSanitizer.h"

#ifdef __linux__
#include <sys/mman.h>

#include <cstdint>
#endif

namespace valdren {

std::size_t HugePagesFor(std::size_t bytes) {
  return bytes < kHugePage ? bytes : (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

#ifdef __linux__

// Mapped on their own rather than taken from the heap, so that a freed block goes back to the
// system at once instead of staying in the heap's free lists: a loader's peak is what it holds.
// The sanitizer gets plain heap blocks, which it watches for uses after they are freed.
void* AllocateHugePages(std::size_t bytes) {
  if (bytes < kHugePage || kAddressSanitizer) return ::operator new(bytes);
  const std::size_t size = HugePagesFor(bytes);
  // One huge page more than needed, so that a boundary falls inside; the ends are given back.
  const std::size_t mapped = size + kHugePage;
  void* const area = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                          -1, 0);
  if (area == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(area);
  const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) munmap(area, aligned - start);
  const std::uintptr_t end = start + mapped;
  if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
  void* const block = reinterpret_cast<void*>(aligned);
  madvise(block, size, MADV_HUGEPAGE);
  return block;
}

void FreeHugePages(void* block, std::size_t bytes) noexcept {
  if (bytes < kHugePage || kAddressSanitizer)
    ::operator delete(block);
  else
    munmap(block, HugePagesFor(bytes));
}

#else

void* AllocateHugePages(std::size_t bytes) {
  return ::operator new(bytes);
}

void FreeHugePages(void* block, std::size_t) noexcept {
  ::operator delete(block);
}

#endif

}  // namespace valdren
