#include "base/Arena.h"

// The sanitizer's poisoning marks; they do nothing outside a sanitizer build, and a compiler
// without the sanitizer (MinGW's) has no header for them.
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#endif

#include <algorithm>
#include <cstdint>

#include "base/HugePages.h"

namespace valdren {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kGap = 32;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr std::size_t kGap = 32;
#else
constexpr std::size_t kGap = 0;
#endif
#else
constexpr std::size_t kGap = 0;
#endif

// Blocks stop doubling here: past it the unused end of the last block would cost too much.
constexpr std::size_t kLargestBlock = std::size_t{1} << 25;

}  // namespace

// The head of a block; the pieces follow it.
struct Arena::Block {
  Block* previous;
  std::size_t size;
};

Arena::~Arena() {
  while (last_) {
    Block* const block = last_;
    last_ = block->previous;
    ASAN_UNPOISON_MEMORY_REGION(block, block->size);
    FreeHugePages(block, block->size);
  }
}

bool Arena::Holds(const void* piece) const {
  const auto address = reinterpret_cast<std::uintptr_t>(piece);
  for (const Block* block = last_; block; block = block->previous) {
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    if (address >= start && address - start < block->size) return true;
  }
  return false;
}

void Arena::AddBlock(std::size_t atLeast) {
  const std::size_t size = std::max(nextBlockSize_, atLeast + sizeof(Block));
  nextBlockSize_ = std::min(2 * nextBlockSize_, kLargestBlock);
  // Not zeroed: every piece is written by its constructor.
  auto* const block = static_cast<Block*>(AllocateHugePages(size));
  *block = {last_, size};
  last_ = block;
  next_ = reinterpret_cast<char*>(block + 1);
  end_ = reinterpret_cast<char*>(block) + size;
  ASAN_POISON_MEMORY_REGION(next_, end_ - next_);
}

void* Arena::do_allocate(std::size_t bytes, std::size_t alignment) {
  const auto aligned = [&] {
    const auto address = reinterpret_cast<std::uintptr_t>(next_);
    return next_ + ((alignment - address % alignment) % alignment);
  };
  char* piece = next_ ? aligned() : nullptr;
  if (!piece || static_cast<std::size_t>(end_ - piece) < bytes + kGap) {
    AddBlock(bytes + kGap + alignment);
    piece = aligned();
  }
  next_ = piece + bytes + kGap;
  ASAN_UNPOISON_MEMORY_REGION(piece, bytes);
  return piece;
}

void Arena::do_deallocate(void* piece, std::size_t bytes, std::size_t) {
  ASAN_POISON_MEMORY_REGION(piece, bytes);
}

}  // namespace valdren
