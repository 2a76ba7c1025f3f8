#include "base/Arena.h"

#include <algorithm>
#include <cstdint>

#include "base/AddressSanitizer.h"
#include "base/HugePages.h"

namespace valdren {

namespace {

// Under the sanitizer every piece is followed by a poisoned gap.
constexpr std::size_t kGap = kAddressSanitizer ? 32 : 0;

// The first block is a huge page, filled at the cost of one page fault. Under the sanitizer,
// which marks every unused byte of a block, it is small, so that the many small databases of the
// tests and fuzz targets stay cheap.
constexpr std::size_t kFirstBlock = kAddressSanitizer ? std::size_t{1} << 18 : kHugePage;
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
  const std::size_t planned = nextBlockSize_ ? nextBlockSize_ : kFirstBlock;
  const std::size_t size = std::max(planned, atLeast + sizeof(Block));
  nextBlockSize_ = std::min(2 * planned, kLargestBlock);
  // Not zeroed: every piece is written by its constructor.
  auto* const block = static_cast<Block*>(AllocateHugePages(size));
  *block = {last_, size};
  last_ = block;
  next_ = reinterpret_cast<char*>(block + 1);
  end_ = reinterpret_cast<char*>(block) + size;
  ASAN_POISON_MEMORY_REGION(next_, end_ - next_);
}

void* Arena::do_allocate(std::size_t bytes, std::size_t alignment) {
  // Alignments are powers of two, so rounding up takes a mask rather than two divisions.
  const auto aligned = [&] {
    const auto address = reinterpret_cast<std::uintptr_t>(next_);
    return next_ + ((0 - address) & (alignment - 1));
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
