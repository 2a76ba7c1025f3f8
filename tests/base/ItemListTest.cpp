#include "base/ItemList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

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
  char a = 'a', b = 'b', c = 'c', x = 'x';
  ItemList<char> list;
  list.Prepend(&a);  // a one-node list is its own previous
  EXPECT_EQ(Items(list), "a");
  list.Append(&c);
  list.InsertBefore(list.Last(), &b);
  EXPECT_EQ(Items(list), "abc");
  list.InsertBefore(list.First(), &x);
  list.InsertBefore(nullptr, &x);  // null: at the end
  list.InsertAfter(nullptr, &c);   // null: at the front
  list.InsertAfter(list.First(), &b);
  list.InsertAfter(list.Last(), &a);  // the new last, for later appends too
  EXPECT_EQ(Items(list), "cbxabcxa");
  EXPECT_EQ(*list.Unlink(list.First()), 'c');
  EXPECT_EQ(*list.Unlink(list.First()->next->next), 'a');
  EXPECT_EQ(*list.Unlink(list.Last()), 'a');
  list.Append(&c);  // appending finds the right last node after an unlink
  EXPECT_EQ(Items(list), "bxbcxc");
  EXPECT_EQ(list.Find(&c), list.First()->next->next->next);
  EXPECT_EQ(list.Find(&a), nullptr);

  ItemList<char> copy = list;  // shares the items, not the nodes
  copy.Unlink(copy.First());
  EXPECT_EQ(Items(list), "bxbcxc");
  list = copy;
  EXPECT_EQ(Items(list), "xbcxc");
  EXPECT_NE(list.First(), copy.First());
  EXPECT_EQ(list.First()->item, &x);

  ItemList<char> one;
  one.Append(&a);
  one.Unlink(one.First());
  EXPECT_TRUE(one.Empty());
  EXPECT_EQ(one.Last(), nullptr);
}

// An item that notes its destruction.
struct Noted {
  char name;
  std::string* destroyed;
  ~Noted() { *destroyed += name; }
};

TEST(OwningItemList, DestroysItsItemsInOrderButNotTheOnesTakenOut) {
  std::string destroyed;
  std::unique_ptr<Noted> taken;
  {
    OwningItemList<Noted> list;
    for (const char name : {'a', 'b', 'c', 'd'})
      list.Append(std::make_unique<Noted>(name, &destroyed));
    list.Remove(list.First()->next);
    taken = list.Take(list.First());
    OwningItemList<Noted> moved = std::move(list);
    EXPECT_EQ(destroyed, "b");
  }
  EXPECT_EQ(destroyed, "bcd");
  EXPECT_EQ(taken->name, 'a');
}

}  // namespace
}  // namespace valdren
