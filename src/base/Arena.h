#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <utility>

namespace valdren {

class Arena;

// Deletes an object that an arena made, for a unique_ptr.
struct ArenaDelete {
  Arena* arena;
  template <typename T>
  void operator()(T* object) const;
};
template <typename T>
using ArenaPtr = std::unique_ptr<T, ArenaDelete>;

// Memory for many small pieces that all live as long as their owner: the loaded database's
// templates, their groups and choice lists. Pieces are handed out one after another from a few
// large blocks, each twice the size of the one before; freeing a piece does nothing, and the
// blocks go back as a whole with the arena. Loading makes a handful of allocations instead of
// millions and touches each page once.
//
// Under AddressSanitizer every piece is followed by a poisoned gap and a freed piece is poisoned,
// so an overrun or a use after free is still reported; a use after the arena has gone is caught
// as a use of freed memory.
class Arena final : public std::pmr::memory_resource {
 public:
  Arena() = default;
  ~Arena() override;
  Arena(const Arena&) = delete;
  Arena& operator=(const Arena&) = delete;

  // A new object in the arena; Delete runs its destructor, the arena keeps its memory.
  template <typename T, typename... Args>
  T* New(Args&&... args) {
    return new (allocate(sizeof(T), alignof(T))) T(std::forward<Args>(args)...);
  }
  template <typename T>
  void Delete(T* object) {
    std::destroy_at(object);
    deallocate(object, sizeof(T), alignof(T));
  }
  // Whether the piece lies in one of the arena's blocks.
  bool Holds(const void* piece) const;

  // The same, held until it is released or dropped.
  template <typename T, typename... Args>
  ArenaPtr<T> Make(Args&&... args) {
    return ArenaPtr<T>(New<T>(std::forward<Args>(args)...), ArenaDelete{this});
  }

 private:
  struct Block;

  void* do_allocate(std::size_t bytes, std::size_t alignment) override;
  void do_deallocate(void* piece, std::size_t bytes, std::size_t alignment) override;
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
    return this == &other;
  }
  void AddBlock(std::size_t atLeast);

  Block* last_ = nullptr;
  char* next_ = nullptr;  // the free rest of the last block
  char* end_ = nullptr;
  std::size_t nextBlockSize_ = 0;  // 0 before the first block
};

template <typename T>
void ArenaDelete::operator()(T* object) const {
  arena->Delete(object);
}

}  // namespace valdren
