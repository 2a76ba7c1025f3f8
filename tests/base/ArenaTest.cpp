#include "base/Arena.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/AddressSanitizer.h"
#include "base/ItemList.h"

namespace valdren {
namespace {

// Pieces of every size the database asks for, and larger than a block, each filled with its own
// byte: none may overlap another, and each must sit at its alignment.
TEST(Arena, HandsOutAlignedPiecesThatNeverOverlap) {
  const struct {
    std::size_t bytes, alignment;
  } asked[] = {{1, 1}, {24, 8},       {32, 8}, {3, 1},       {104, 16},
               {7, 2}, {1 << 20, 64}, {80, 8}, {5 << 20, 8}, {16, 16}};
  Arena arena;
  std::vector<std::pair<unsigned char*, std::size_t>> pieces;
  for (int round = 0; round < 2000; ++round) {
    for (const auto& ask : asked) {
      if (ask.bytes > 4096 && round > 0) continue;
      auto* const piece = static_cast<unsigned char*>(arena.allocate(ask.bytes, ask.alignment));
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(piece) % ask.alignment, 0u) << ask.bytes;
      std::memset(piece, static_cast<int>(pieces.size() % 251), ask.bytes);
      pieces.emplace_back(piece, ask.bytes);
    }
  }
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const auto [piece, bytes] = pieces[i];
    EXPECT_TRUE(
        std::all_of(piece, piece + bytes,
                    [i](unsigned char c) { return c == static_cast<unsigned char>(i % 251); }))
        << "piece " << i << " was overwritten";
  }
}

struct Counted {
  explicit Counted(int& alive) : alive(alive) { ++alive; }
  ~Counted() { --alive; }
  int& alive;
};

TEST(Arena, DestroysWhatItMadeWhenItIsDroppedOrDeleted) {
  Arena arena;
  int alive = 0;
  Counted* const kept = arena.New<Counted>(alive);
  { const ArenaPtr<Counted> dropped = arena.Make<Counted>(alive); }
  ArenaPtr<Counted> released = arena.Make<Counted>(alive);
  EXPECT_EQ(alive, 2);
  arena.Delete(released.release());
  arena.Delete(kept);
  EXPECT_EQ(alive, 0);
}

// A list's nodes come from its memory and go with it when the list moves; a copy is the heap's,
// so it outlives the arena (under AddressSanitizer a node left in the arena would be reported).
TEST(Arena, ListNodesMoveWithTheirMemoryAndCopiesLeaveIt) {
  int a = 1, b = 2;
  ItemList<int> copy;
  {
    Arena arena;
    ItemList<int> list(&arena);
    list.Append(&a);
    list.Append(&b);
    ItemList<int> moved;
    moved = std::move(list);
    moved.Append(&a);
    copy = moved;
  }
  std::vector<int> items;
  for (const auto& node : copy)
    items.push_back(*node.item);
  EXPECT_EQ(items, (std::vector<int>{1, 2, 1}));
}

#if VALDREN_ADDRESS_SANITIZER
// The sanitizer build must still catch what an arena would otherwise hide.
TEST(Arena, LeavesOverrunsAndUsesAfterDeleteVisibleToTheSanitizer) {
  Arena arena;
  auto* const first = static_cast<char*>(arena.allocate(24, 8));
  auto* const second = static_cast<char*>(arena.allocate(24, 8));
  EXPECT_FALSE(__asan_address_is_poisoned(first + 23));
  EXPECT_TRUE(__asan_address_is_poisoned(first + 24));  // between two pieces
  arena.deallocate(first, 24, 8);
  EXPECT_TRUE(__asan_address_is_poisoned(first));
  EXPECT_FALSE(__asan_address_is_poisoned(second));
}
#endif

}  // namespace
}  // namespace valdren
