#include "sgf/region_memory.h"

#include <sys/mman.h>

namespace tenukiro {

// Huge pages are asked for the whole region: a big record fills hundreds of megabytes of
// tree, and faulting that in 4 KB pages costs more than parsing it.
void* ReserveRegion(std::size_t size) {
  void* region = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (region == MAP_FAILED) return nullptr;
  madvise(region, size, MADV_HUGEPAGE);
  return region;
}

bool CommitRange(void* start, std::size_t size) { return mprotect(start, size, PROT_READ | PROT_WRITE) == 0; }

void DecommitRange(void* start, std::size_t size) {
  madvise(start, size, MADV_DONTNEED);
  mprotect(start, size, PROT_NONE);
}

void ReleaseRegion(void* region, std::size_t size) { munmap(region, size); }

}  // namespace tenukiro
