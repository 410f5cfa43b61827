#include "config/file_order.h"

#include <algorithm>
#include <string_view>

namespace tenukiro {
namespace {

// Byte order: std::string_view compares as unsigned char, whatever the sign of char.
bool Precedes(std::string_view a, std::string_view b, bool descending) { return descending ? a > b : a < b; }

}  // namespace

FileOrder::FileOrder(std::vector<std::string> paths) : entries_(std::move(paths)) { entries_.emplace_back(); }

int FileOrder::Drop(int from, int to) {
  if (!CanDrag(from) || to < 0 || to > PathCount() || to == from) return from;
  std::string moved = std::move(entries_[from]);
  entries_.erase(entries_.begin() + from);
  // Removing the source shifts every later entry up by one.
  const int target = to > from ? to - 1 : to;
  entries_.insert(entries_.begin() + target, std::move(moved));
  return target;
}

void FileOrder::Sort() {
  // Inserting each path before the first earlier one it precedes keeps the earlier
  // paths sorted, so it is a stable sort: the library's gives the same order in
  // n log n steps, which matters for lists of thousands of files.
  const bool descending = descending_;
  std::stable_sort(entries_.begin(), entries_.end() - 1,
                   [descending](const std::string& a, const std::string& b) { return Precedes(a, b, descending); });
  descending_ = !descending_;
}

std::vector<std::string> FileOrder::Paths() const { return {entries_.begin(), entries_.end() - 1}; }

}  // namespace tenukiro
