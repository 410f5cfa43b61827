#pragma once

#include <string>
#include <vector>

namespace tenukiro {

// The entries of the file order dialog: the paths in list order, then one empty
// entry that stands for "after the last file". Entries move by dragging or by a
// sort that goes up on its first use and down on the next, alternately.
class FileOrder {
 public:
  explicit FileOrder(std::vector<std::string> paths);

  // The paths followed by the empty entry.
  const std::vector<std::string>& Entries() const { return entries_; }
  int PathCount() const { return static_cast<int>(entries_.size()) - 1; }

  // Only a path entry can be dragged, never the empty last entry.
  bool CanDrag(int entry) const { return entry >= 0 && entry < PathCount(); }
  // Moves entry `from` before entry `to` (the empty entry: to the end of the paths).
  // A drag that did not start on a path, or a target outside the list, moves nothing.
  // Returns where the dragged entry is now (the list selects it there).
  int Drop(int from, int to);

  // Where a drop outside the entries goes: above them, before the first path; below
  // them, onto the empty entry, that is after the last path.
  int TargetOutsideEntries(bool above) const { return above ? 0 : PathCount(); }

  // A stable insertion sort of the paths in byte order ("Z" before "a"), ascending
  // and descending in turn.
  void Sort();

  // The paths in their new order, for OK.
  std::vector<std::string> Paths() const;

 private:
  std::vector<std::string> entries_;
  bool descending_ = false;
};

}  // namespace tenukiro
