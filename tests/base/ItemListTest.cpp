#include "base/ItemList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace valdren {
namespace {

// The items from first to last, after checking every link: each node's prev is the node before
// it, and the first node's prev is the last node.
template <typename List>
std::string Items(const List& list) {
  std::string items;
  auto* previous = list.Last();
  std::size_t count = 0;
  for (auto* node = list.First(); node; node = node->next) {
    EXPECT_EQ(node->prev, previous) << "at item " << *node->item;
    previous = node;
    items += *node->item;
    ++count;
  }
  EXPECT_EQ(list.Last(), previous);
  EXPECT_EQ(list.Size(), count);
  return items;
}

class BorrowedList : public testing::Test {
 protected:
  char a = 'a', b = 'b', c = 'c', x = 'x';
  ItemList<char> list;
};

TEST_F(BorrowedList, TheFirstNodeOfAOneNodeListIsItsOwnPrevious) {
  list.Append(&a);
  EXPECT_EQ(list.First()->prev, list.First());
  ItemList<char> prepended;
  prepended.Prepend(&a);
  EXPECT_EQ(prepended.First()->prev, prepended.First());
  EXPECT_EQ(Items(prepended), "a");
}

TEST_F(BorrowedList, AppendsPrependsAndInserts) {
  list.Append(&b);
  list.Prepend(&a);
  list.Append(&c);
  EXPECT_EQ(Items(list), "abc");
  list.InsertBefore(list.First(), &x);
  EXPECT_EQ(Items(list), "xabc");
  list.InsertBefore(list.Last(), &x);
  EXPECT_EQ(Items(list), "xabxc");
  list.InsertBefore(nullptr, &a);
  EXPECT_EQ(Items(list), "xabxca");
  list.InsertAfter(nullptr, &c);
  EXPECT_EQ(Items(list), "cxabxca");
  list.InsertAfter(list.First(), &b);
  EXPECT_EQ(Items(list), "cbxabxca");
}

TEST_F(BorrowedList, InsertingAfterTheLastMakesTheNewLast) {
  list.Append(&a);
  list.Append(&b);
  list.InsertAfter(list.Last(), &c);
  EXPECT_EQ(list.First()->prev->item, &c);
  list.Append(&x);
  EXPECT_EQ(Items(list), "abcx");
}

struct UnlinkCase {
  int position;  // of the node unlinked in "abc"
  const char* left;
};

class Unlink : public BorrowedList, public testing::WithParamInterface<UnlinkCase> {};

TEST_P(Unlink, RelinksTheNeighboursAndKeepsTheLastReachable) {
  list.Append(&a);
  list.Append(&b);
  list.Append(&c);
  auto* node = list.First();
  for (int i = 0; i < GetParam().position; ++i)
    node = node->next;
  EXPECT_EQ(*list.Unlink(node), "abc"[GetParam().position]);
  EXPECT_EQ(Items(list), GetParam().left);
  list.Append(&x);  // appending finds the right last node
  EXPECT_EQ(Items(list), std::string(GetParam().left) + "x");
}

INSTANTIATE_TEST_SUITE_P(Positions, Unlink,
                         testing::Values(UnlinkCase{0, "bc"}, UnlinkCase{1, "ac"},
                                         UnlinkCase{2, "ab"}));

TEST_F(BorrowedList, UnlinkingTheOnlyNodeEmptiesTheList) {
  list.Append(&a);
  list.Unlink(list.First());
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.Last(), nullptr);
  list.Prepend(&b);
  EXPECT_EQ(Items(list), "b");
}

TEST_F(BorrowedList, FindsTheFirstNodeHoldingTheItem) {
  list.Append(&a);
  auto* first = list.Append(&b);
  list.Append(&b);
  EXPECT_EQ(list.Find(&b), first);
  EXPECT_EQ(list.Find(&x), nullptr);
}

TEST_F(BorrowedList, ACopySharesTheItemsButNotTheNodes) {
  list.Append(&a);
  list.Append(&b);
  ItemList<char> copy = list;
  copy.Unlink(copy.First());
  copy.Append(&c);
  EXPECT_EQ(Items(list), "ab");
  EXPECT_EQ(Items(copy), "bc");
  EXPECT_EQ(copy.First()->item, &b);
  list = copy;
  EXPECT_EQ(Items(list), "bc");
  EXPECT_NE(list.First(), copy.First());
}

// An item that notes its destruction.
struct Noted {
  char name;
  std::string* destroyed;
  ~Noted() { *destroyed += name; }
};

TEST(OwningList, DestroysItsItemsInOrderButNotTheOnesTakenOut) {
  std::string destroyed;
  std::unique_ptr<Noted> taken;
  {
    OwningItemList<Noted> list;
    for (const char name : {'a', 'b', 'c', 'd'})
      list.Append(std::make_unique<Noted>(name, &destroyed));
    list.Remove(list.First()->next);
    EXPECT_EQ(destroyed, "b");
    taken = list.Take(list.First());
    EXPECT_EQ(destroyed, "b");
    OwningItemList<Noted> moved = std::move(list);
    EXPECT_EQ(destroyed, "b");
  }
  EXPECT_EQ(destroyed, "bcd");
  EXPECT_EQ(taken->name, 'a');
}

}  // namespace
}  // namespace valdren
