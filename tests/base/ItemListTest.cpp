// The memory of the database and the organization: item lists and the arena.
#include "base/ItemList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "base/AddressSanitizer.h"
#include "base/Arena.h"

namespace valdren {
namespace {

// The items from first to last, after checking every link: each node's prev is the node before
// it, the first node's prev is the last node, and the size matches.
template <typename List>
std::string Items(const List& list) {
  std::string items;
  auto* previous = list.Last();
  for (auto* node = list.First(); node; previous = node, node = node->next) {
    EXPECT_EQ(node->prev, previous) << "at item " << items.size();
    items += *node->item;
  }
  EXPECT_EQ(list.Last(), previous);
  EXPECT_EQ(list.Size(), items.size());
  return items;
}

TEST(ItemList, EveryEditKeepsTheLinks) {
  char a = 'a', b = 'b', c = 'c', x = 'x', z = 'z';
  ItemList<char> list;
  list.Append(&a);  // a one-node list is its own previous
  EXPECT_EQ(Items(list), "a");
  list.Append(&c);
  list.InsertBefore(list.Last(), &b);
  list.InsertBefore(list.First(), &x);
  list.InsertBefore(nullptr, &x);  // null: at the end, the new last for later appends too
  list.Append(&c);
  EXPECT_EQ(Items(list), "xabcxc");
  EXPECT_EQ(*list.Unlink(list.First()), 'x');
  EXPECT_EQ(*list.Unlink(list.First()->next->next), 'c');
  EXPECT_EQ(*list.Unlink(list.Last()), 'c');
  list.Append(&c);  // appending finds the right last node after an unlink
  EXPECT_EQ(Items(list), "abxc");
  EXPECT_EQ(list.Find(&x), list.Last()->prev);
  EXPECT_EQ(list.Find(&z), nullptr);

  ItemList<char> one;
  one.Append(&a);
  one.Unlink(one.First());
  EXPECT_TRUE(one.Empty());
  EXPECT_EQ(one.Last(), nullptr);
}

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
