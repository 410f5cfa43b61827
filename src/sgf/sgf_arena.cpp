#include "sgf/sgf_arena.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
#include <utility>

#include "sgf/arena_link.h"
#include "sgf/region_memory.h"

namespace tenukiro {
namespace {

size_t RoundUp(size_t size, size_t align) { return (size + align - 1) / align * align; }

constexpr size_t kPage = 4096;
// Reservations smaller than this are not worth trying; the region limit is halved
// down to it when the address space is short.
constexpr size_t kSmallestRegion = 16 << 20;

// Strings carry the power of two of their capacity in a header just before the text.
struct StringHeader {
  uint32_t capacityClass;
};

}  // namespace

SgfArena::~SgfArena() {
  if (base_) ReleaseRegion(base_, regionSize_);
}

SgfArena::SgfArena(SgfArena&& other) noexcept { *this = std::move(other); }

SgfArena& SgfArena::operator=(SgfArena&& other) noexcept {
  if (this == &other) return *this;
  if (base_) ReleaseRegion(base_, regionSize_);
  base_ = std::exchange(other.base_, nullptr);
  regionSize_ = std::exchange(other.regionSize_, 0);
  committed_ = std::exchange(other.committed_, 0);
  used_ = std::exchange(other.used_, 0);
  nextCommit_ = std::exchange(other.nextCommit_, kFirstCommit);
  owner_ = std::exchange(other.owner_, nullptr);
  std::copy(std::begin(other.freeObjects_), std::end(other.freeObjects_), freeObjects_);
  std::copy(std::begin(other.freeStrings_), std::end(other.freeStrings_), freeStrings_);
  std::fill(std::begin(other.freeObjects_), std::end(other.freeObjects_), 0);
  std::fill(std::begin(other.freeStrings_), std::end(other.freeStrings_), 0);
  return *this;
}

// Pages beyond what is kept are made inaccessible again and their memory given back.
void SgfArena::Clear() {
  std::fill(std::begin(freeObjects_), std::end(freeObjects_), 0);
  std::fill(std::begin(freeStrings_), std::end(freeStrings_), 0);
  if (!base_) return;
  if (committed_ > kKeptBytes) {
    DecommitRange(base_ + kKeptBytes, committed_ - kKeptBytes);
    committed_ = kKeptBytes;
  }
  used_ = RoundUp(sizeof owner_, kAlign);
}

// Only address space is taken here: nothing is committed, so the size costs no
// memory.
void SgfArena::Reserve() {
  for (size_t size = kArenaRegionLimit; size >= kSmallestRegion; size /= 2) {
    void* region = ReserveRegion(size);
    if (region == nullptr) continue;
    base_ = static_cast<std::byte*>(region);
    regionSize_ = size;
    return;
  }
  throw std::bad_alloc();
}

// The owner's cell takes the first bytes of the region; used_ starts after it.
void SgfArena::Commit(size_t size) {
  if (!base_) {
    Reserve();
    used_ = RoundUp(sizeof owner_, kAlign);
  }
  const size_t grow = RoundUp(std::max(size + used_ - committed_, nextCommit_), kPage);
  if (grow > regionSize_ - committed_) throw std::bad_alloc();
  if (!CommitRange(base_ + committed_, grow)) throw std::bad_alloc();
  if (committed_ == 0) std::memcpy(base_, &owner_, sizeof owner_);
  committed_ += grow;
  if (nextCommit_ < kLargestCommit) nextCommit_ *= 2;
}

void SgfArena::Push(uint32_t& head, void* entry) {
  std::memcpy(entry, &head, sizeof head);
  head = static_cast<uint32_t>((static_cast<std::byte*>(entry) - base_) / kAlign);
}

void* SgfArena::Pop(uint32_t& head) {
  std::byte* entry = base_ + size_t{head} * kAlign;
  std::memcpy(&head, entry, sizeof head);
  return entry;
}

// String capacities are powers of two (at least kAlign), so a string given back is
// reused by any later request of the same class and edits cannot pile up garbage.
char* SgfArena::NewString(size_t length) {
  const size_t needed = length + 1;
  const size_t wanted = std::max<size_t>(std::bit_width(needed - 1), std::bit_width(kAlign - 1));
  uint32_t& head = freeStrings_[wanted];
  if (head) return static_cast<char*>(Pop(head));
  const size_t capacity = size_t{1} << wanted;
  auto* header = static_cast<StringHeader*>(Bump(sizeof(StringHeader) + capacity));
  header->capacityClass = static_cast<uint32_t>(wanted);
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
  Push(freeStrings_[header->capacityClass], text);
}

}  // namespace tenukiro
