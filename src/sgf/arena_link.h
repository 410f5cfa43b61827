#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tenukiro {

// All objects of one collection live in one arena region of at most
// kArenaRegionLimit bytes, so a link between two of them fits in 32 bits: the
// distance from the linking object to its target in units of kArenaLinkUnit
// bytes. A link of zero leads back to the linking object itself, which in a ring
// means "alone"; a link that may be null uses zero for null instead.
using ArenaLink = int32_t;

inline constexpr size_t kArenaLinkUnit = 4;
// Where size_t is narrower, the address space is the limit.
inline constexpr size_t kArenaRegionLimit =
    static_cast<size_t>(std::min<uint64_t>(uint64_t{kArenaLinkUnit} << 31, uint64_t{SIZE_MAX} / 2 + 1));

template <class T>
T* FollowLink(const void* from, ArenaLink link) {
  const uintptr_t base = reinterpret_cast<uintptr_t>(from);
  return reinterpret_cast<T*>(base + static_cast<uintptr_t>(static_cast<intptr_t>(link) * kArenaLinkUnit));
}

inline ArenaLink MakeLink(const void* from, const void* to) {
  const intptr_t distance = static_cast<intptr_t>(reinterpret_cast<uintptr_t>(to) - reinterpret_cast<uintptr_t>(from));
  return static_cast<ArenaLink>(distance / static_cast<intptr_t>(kArenaLinkUnit));
}

template <class T>
T* FollowOptionalLink(const void* from, ArenaLink link) {
  return link ? FollowLink<T>(from, link) : nullptr;
}

inline ArenaLink MakeOptionalLink(const void* from, const void* to) { return to ? MakeLink(from, to) : 0; }

}  // namespace tenukiro
