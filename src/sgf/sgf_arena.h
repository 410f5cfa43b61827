#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>

namespace tenukiro {

// Allocator for the objects of one collection (nodes, properties, values and
// their strings). They all live in one reserved address region, which lets them
// link to each other with 32-bit distances (see arena_link.h); the region is
// committed piece by piece as it fills. Everything is released at once when the
// arena dies, so freeing a tree of any depth costs no walk. Objects and strings
// given back are kept on free lists and reused, so repeated edits do not grow it.
//
// An arena can be handed from one record to the next (see Clear): the pages of
// the last tree are then filled again instead of being given back to the system
// and faulted in afresh, which for a large record costs as much as reading it.
class SgfArena {
 public:
  // Committed memory beyond this is given back by Clear: a huge record once read
  // should not hold its memory for the rest of the show.
  static constexpr size_t kKeptBytes = 256u << 20;

  SgfArena() = default;
  ~SgfArena();
  SgfArena(const SgfArena&) = delete;
  SgfArena& operator=(const SgfArena&) = delete;
  SgfArena(SgfArena&& other) noexcept;
  SgfArena& operator=(SgfArena&& other) noexcept;

  // Forgets every object (they must no longer be used) and starts again from the
  // beginning of the region, keeping up to kKeptBytes of it committed.
  void Clear();

  // A value-initialised T; T must be trivially destructible.
  template <class T>
  T* New() {
    static_assert(std::is_trivially_destructible_v<T>);
    static_assert(alignof(T) <= kAlign);
    static_assert(sizeof(T) % kAlign == 0 && sizeof(T) / kAlign < kObjectClasses);
    return new (AllocateObject(sizeof(T))) T();
  }

  // Gives an object from New back for reuse.
  template <class T>
  void Delete(T* object) {
    if (object) FreeObject(object, sizeof(T));
  }

  // Room for a string of `length` bytes plus its NUL.
  char* NewString(size_t length);
  // A NUL-terminated copy of `length` bytes.
  char* CopyString(const char* bytes, size_t length);
  // Gives a string from NewString or CopyString back for reuse.
  void DeleteString(char* text);

  // The first bytes of the region hold `owner`, so objects can find it through a link.
  void SetOwner(void* owner) {
    owner_ = owner;
    if (committed_) std::memcpy(base_, &owner_, sizeof owner_);
  }
  void* const* OwnerCell() {
    if (!base_) Commit(0);
    return reinterpret_cast<void* const*>(base_);
  }

  // Bytes committed so far.
  size_t ReservedBytes() const { return committed_; }

 private:
  // Every object of the tree holds only 32-bit links and small integers.
  static constexpr size_t kAlign = 4;
  static constexpr size_t kObjectClasses = 32;
  static constexpr size_t kStringClasses = 64;
  static constexpr size_t kFirstCommit = 64 * 1024;
  static constexpr size_t kLargestCommit = 32 << 20;
  static constexpr size_t kPrefetchDistance = 512;

  // The common cases (a free-list hit, room left in the committed part) stay
  // inline: the reader allocates several objects per node.
  void* AllocateObject(size_t size) {
    uint32_t& head = freeObjects_[size / kAlign];
    return head ? Pop(head) : Bump(size);
  }
  void FreeObject(void* object, size_t size) { Push(freeObjects_[size / kAlign], object); }
  void* Bump(size_t size) {
    size = (size + kAlign - 1) / kAlign * kAlign;
    if (committed_ - used_ < size) Commit(size);
    void* result = base_ + used_;
    // Objects follow each other in the order they are made, so the lines about
    // to be filled are known: asking for them early hides much of the cost of
    // writing a tree larger than the caches. A prefetch never faults.
    __builtin_prefetch(base_ + used_ + kPrefetchDistance, 1, 3);
    used_ += size;
    return result;
  }
  void Commit(size_t size);
  void Reserve();
  // Free lists link their entries by 32-bit index into the region (0 ends a list).
  void Push(uint32_t& head, void* entry);
  void* Pop(uint32_t& head);

  std::byte* base_ = nullptr;
  size_t regionSize_ = 0;
  size_t committed_ = 0;
  size_t used_ = 0;
  size_t nextCommit_ = kFirstCommit;
  void* owner_ = nullptr;
  uint32_t freeObjects_[kObjectClasses] = {};
  uint32_t freeStrings_[kStringClasses] = {};
};

}  // namespace tenukiro
