#pragma once

#include <cstddef>

namespace tenukiro {

// Address space taken without memory behind it, made usable a range at a time as it fills.

// A region of `size` bytes that cannot be touched yet; null when the system refuses it.
void* ReserveRegion(std::size_t size);
// Makes a range of a region readable and writable; false when no memory is left.
bool CommitRange(void* start, std::size_t size);
// Gives a range's memory back and makes it untouchable again.
void DecommitRange(void* start, std::size_t size);
void ReleaseRegion(void* region, std::size_t size);

}  // namespace tenukiro
