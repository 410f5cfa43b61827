#include "sgf/sgf_arena.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

#include <sys/mman.h>

namespace tenukiro {
namespace {

size_t RoundUp(size_t size, size_t align) { return (size + align - 1) / align * align; }

// Large blocks are aligned to and advised as huge pages: a big record fills
// hundreds of megabytes of tree, and faulting that in 4 KB pages costs more than
// parsing it.
constexpr size_t kHugePage = 2 << 20;

std::byte* AllocateBlock(size_t size) {
  if (size < kHugePage) return static_cast<std::byte*>(std::malloc(size));
  size = RoundUp(size, kHugePage);
  void* block = std::aligned_alloc(kHugePage, size);
  if (block) madvise(block, size, MADV_HUGEPAGE);
  return static_cast<std::byte*>(block);
}

// Strings carry their capacity in a header just before the text.
struct StringHeader {
  size_t capacity;
};

}  // namespace

void SgfArena::BlockDeleter::operator()(std::byte* block) const { std::free(block); }

void* SgfArena::Bump(size_t size) {
  size = RoundUp(size, kAlign);
  if (static_cast<size_t>(end_ - next_) < size) {
    const size_t blockSize = size > nextBlockSize_ ? size : nextBlockSize_;
    std::byte* block = AllocateBlock(blockSize);
    if (!block) throw std::bad_alloc();
    blocks_.emplace_back(block);
    reserved_ += blockSize;
    next_ = block;
    end_ = next_ + blockSize;
    if (nextBlockSize_ < kLargestBlock) nextBlockSize_ *= 2;
  }
  void* result = next_;
  next_ += size;
  return result;
}

void* SgfArena::AllocateObject(size_t size) {
  FreeBlock*& head = freeObjects_[size / kAlign];
  if (head) {
    FreeBlock* reused = head;
    head = reused->next;
    return reused;
  }
  return Bump(size);
}

void SgfArena::FreeObject(void* object, size_t size) {
  FreeBlock* block = static_cast<FreeBlock*>(object);
  block->next = freeObjects_[size / kAlign];
  freeObjects_[size / kAlign] = block;
}

// String capacities are powers of two (at least kAlign), so a string given back is
// reused by any later request of the same class and edits cannot pile up garbage.
char* SgfArena::NewString(size_t length) {
  const size_t needed = length + 1;
  const size_t wanted = std::max<size_t>(std::bit_width(needed - 1), std::bit_width(kAlign - 1));
  FreeBlock*& head = freeStrings_[wanted];
  if (head) {
    FreeBlock* reused = head;
    head = reused->next;
    return reinterpret_cast<char*>(reused);
  }
  const size_t capacity = size_t{1} << wanted;
  auto* header = static_cast<StringHeader*>(Bump(sizeof(StringHeader) + capacity));
  header->capacity = capacity;
  return reinterpret_cast<char*>(header + 1);
}

char* SgfArena::CopyString(const char* bytes, size_t length) {
  char* text = NewString(length);
  if (length) std::memcpy(text, bytes, length);
  text[length] = '\0';
  return text;
}

void SgfArena::DeleteString(char* text) {
  if (!text) return;
  const StringHeader* header = reinterpret_cast<StringHeader*>(text) - 1;
  const size_t kind = std::bit_width(header->capacity) - 1;
  FreeBlock* block = reinterpret_cast<FreeBlock*>(text);
  block->next = freeStrings_[kind];
  freeStrings_[kind] = block;
}

}  // namespace tenukiro
