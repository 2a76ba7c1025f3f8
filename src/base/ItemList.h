#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <memory_resource>
#include <new>
#include <utility>

namespace valdren {

// A node of an item list. The first node's prev points to the last node (in a one-node list, to
// itself), so the end of the list is found in constant time.
template <typename T>
struct ItemNode {
  T* item;
  ItemNode* next;
  ItemNode* prev;
};

enum class Ownership { Borrowed, Owned };

// A doubly linked list of item pointers. The list always owns its nodes; an Owned list also owns
// its items, takes them as unique_ptr and destroys them with itself, while a Borrowed list only
// refers to items that live elsewhere and can be copied (the copy shares the items). The nodes
// come from the memory the list was made with (the heap unless told otherwise); the memory goes
// with the nodes when a list is moved, and a copy takes its nodes from the heap.
template <typename Node, Ownership kOwnership = Ownership::Borrowed>
class BasicItemList {
 public:
  using Item = std::remove_pointer_t<decltype(Node::item)>;
  static constexpr bool kOwns = kOwnership == Ownership::Owned;

  BasicItemList() = default;
  explicit BasicItemList(std::pmr::memory_resource* memory) : memory_(memory) {}
  BasicItemList(const BasicItemList& other) requires(!kOwns) { CopyFrom(other); }
  BasicItemList& operator=(const BasicItemList& other) requires(!kOwns) {
    if (this != &other) {
      Clear();
      CopyFrom(other);
    }
    return *this;
  }
  BasicItemList(BasicItemList&& other) noexcept { Swap(other); }
  BasicItemList& operator=(BasicItemList&& other) noexcept {
    BasicItemList moved(std::move(other));
    Swap(moved);
    return *this;
  }
  ~BasicItemList() { Clear(); }

  Node* First() const { return head_; }
  Node* Last() const { return head_ ? head_->prev : nullptr; }
  bool Empty() const { return head_ == nullptr; }
  std::size_t Size() const { return size_; }

  // New last node; constant time.
  Node* Append(Item* item) requires(!kOwns) { return Link(MakeNode(item), nullptr); }
  Node* Append(std::unique_ptr<Item> item) requires kOwns {
    return Link(MakeNode(item.release()), nullptr);
  }

  // New first node.
  Node* Prepend(Item* item) requires(!kOwns) { return Link(MakeNode(item), head_); }
  Node* Prepend(std::unique_ptr<Item> item) requires kOwns {
    return Link(MakeNode(item.release()), head_);
  }

  // New node before the given one; a null node means append.
  Node* InsertBefore(Node* before, Item* item) requires(!kOwns) {
    return Link(MakeNode(item), before);
  }
  Node* InsertBefore(Node* before, std::unique_ptr<Item> item) requires kOwns {
    return Link(MakeNode(item.release()), before);
  }

  // New node after the given one; a null node means prepend.
  Node* InsertAfter(Node* after, Item* item) requires(!kOwns) {
    return Link(MakeNode(item), after ? after->next : head_);
  }
  Node* InsertAfter(Node* after, std::unique_ptr<Item> item) requires kOwns {
    return Link(MakeNode(item.release()), after ? after->next : head_);
  }

  // The first node holding the item, or null.
  Node* Find(const Item* item) const {
    for (Node* node = head_; node; node = node->next)
      if (node->item == item) return node;
    return nullptr;
  }

  // Takes the node out of the list and frees it; the item is handed to the caller.
  std::unique_ptr<Item> Take(Node* node) requires kOwns {
    return std::unique_ptr<Item>(Unlink(node));
  }
  // Takes the node out of the list and frees it, destroying the item with it.
  void Remove(Node* node) requires kOwns { delete Unlink(node); }
  // Takes the node out of the list and frees it; the item stays where it lives.
  Item* Unlink(Node* node) {
    Node* const last = head_->prev;
    if (node == head_) {
      head_ = node->next;
      if (head_) head_->prev = last;
    } else {
      node->prev->next = node->next;
      if (node->next)
        node->next->prev = node->prev;
      else
        head_->prev = node->prev;
    }
    Item* const item = node->item;
    FreeNode(node);
    --size_;
    return item;
  }

  // Empties the list; an owning list destroys its items, in order.
  void Clear() {
    while (head_) {
      Node* const node = head_;
      head_ = node->next;
      if constexpr (kOwns) delete node->item;
      FreeNode(node);
    }
    size_ = 0;
  }

  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Node;
    using difference_type = std::ptrdiff_t;
    using pointer = Node*;
    using reference = Node&;

    Iterator() = default;
    explicit Iterator(Node* node) : node_(node) {}
    Node& operator*() const { return *node_; }
    Node* operator->() const { return node_; }
    Iterator& operator++() {
      node_ = node_->next;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      node_ = node_->next;
      return old;
    }
    bool operator==(const Iterator&) const = default;

   private:
    Node* node_ = nullptr;
  };

  // Iterates the nodes from the first, following next.
  Iterator begin() const { return Iterator(head_); }
  Iterator end() const { return Iterator(); }

 private:
  Node* MakeNode(Item* item) { return NewNode(Node{item, nullptr, nullptr}); }
  // Without a resource of its own a list takes its nodes from the plain heap: the standard's
  // new_delete_resource asks for the aligned form of operator new, several times as costly, and
  // building an army makes a node for each of its hundred thousand items.
  Node* NewNode(const Node& value) {
    if (!memory_) return new Node(value);
    return new (memory_->allocate(sizeof(Node), alignof(Node))) Node(value);
  }
  void FreeNode(Node* node) {
    if (!memory_)
      delete node;
    else
      memory_->deallocate(node, sizeof(Node), alignof(Node));
  }

  // Links a new node in front of before (at the end when before is null).
  Node* Link(Node* node, Node* before) {
    ++size_;
    if (!head_) {
      head_ = node->prev = node;
      return node;
    }
    if (!before) {
      Node* const last = head_->prev;
      last->next = node;
      node->prev = last;
      head_->prev = node;
      return node;
    }
    node->next = before;
    node->prev = before->prev;
    if (before == head_)
      head_ = node;
    else
      node->prev->next = node;
    before->prev = node;
    return node;
  }

  void CopyFrom(const BasicItemList& other) {
    for (Node* node = other.head_; node; node = node->next) {
      Node* const copy = NewNode(*node);
      copy->next = copy->prev = nullptr;
      Link(copy, nullptr);
    }
  }

  void Swap(BasicItemList& other) noexcept {
    std::swap(head_, other.head_);
    std::swap(size_, other.size_);
    std::swap(memory_, other.memory_);
  }

  Node* head_ = nullptr;
  std::size_t size_ = 0;
  std::pmr::memory_resource* memory_ = nullptr;  // null: the plain heap
};

template <typename T>
using ItemList = BasicItemList<ItemNode<T>>;
template <typename T>
using OwningItemList = BasicItemList<ItemNode<T>, Ownership::Owned>;

}  // namespace valdren
