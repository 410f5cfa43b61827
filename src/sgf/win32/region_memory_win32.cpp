#include "sgf/region_memory.h"

#include <windows.h>

namespace tenukiro {

void* ReserveRegion(std::size_t size) { return VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS); }

bool CommitRange(void* start, std::size_t size) {
  return VirtualAlloc(start, size, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void DecommitRange(void* start, std::size_t size) { VirtualFree(start, size, MEM_DECOMMIT); }

void ReleaseRegion(void* region, std::size_t) { VirtualFree(region, 0, MEM_RELEASE); }

}  // namespace tenukiro
