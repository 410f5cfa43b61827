#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

#include <cstdlib>

namespace tenukiro {

// Block allocator for the objects of one collection (nodes, properties, values and
// their strings). Everything is released at once when the arena dies, so freeing a
// tree of any depth costs one pass over the blocks and no walk. Objects and strings
// given back are kept on free lists and reused, so repeated edits do not grow it.
class SgfArena {
 public:
  SgfArena() = default;
  SgfArena(const SgfArena&) = delete;
  SgfArena& operator=(const SgfArena&) = delete;

  // A value-initialised T; T must be trivially destructible.
  template <class T>
  T* New() {
    static_assert(std::is_trivially_destructible_v<T>);
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

  // Bytes taken from the system so far.
  size_t ReservedBytes() const { return reserved_; }

 private:
  // Every object of the tree holds only pointers and small integers.
  static constexpr size_t kAlign = 8;
  static constexpr size_t kObjectClasses = 32;
  static constexpr size_t kStringClasses = 64;
  static constexpr size_t kFirstBlock = 4096;
  static constexpr size_t kLargestBlock = 8 << 20;

  struct FreeBlock {
    FreeBlock* next;
  };

  struct BlockDeleter {
    void operator()(std::byte* block) const;
  };

  void* AllocateObject(size_t size);
  void FreeObject(void* object, size_t size);
  void* Bump(size_t size);

  std::vector<std::unique_ptr<std::byte, BlockDeleter>> blocks_;
  std::byte* next_ = nullptr;
  std::byte* end_ = nullptr;
  size_t nextBlockSize_ = kFirstBlock;
  size_t reserved_ = 0;
  FreeBlock* freeObjects_[kObjectClasses] = {};
  FreeBlock* freeStrings_[kStringClasses] = {};
};

}  // namespace tenukiro
