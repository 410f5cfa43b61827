#pragma once

#include <string>
#include <vector>

namespace tenukiro {

// The show's list of records: a ring in list order with a cursor on the record
// being shown. The cursor moves by a random number of entries (0 shows the same
// record again) or by one, wrapping after the last.
class FileList {
 public:
  FileList() = default;
  explicit FileList(std::vector<std::string> paths) : paths_(std::move(paths)) {}

  bool Empty() const { return paths_.empty(); }
  int Count() const { return static_cast<int>(paths_.size()); }
  const std::vector<std::string>& Paths() const { return paths_; }
  int CursorIndex() const { return cursor_; }
  // The path under the cursor; empty when the list is empty.
  const std::string& Current() const;

  void Advance(int entries);
  // A random step of 0 .. count - 1 entries when `random` is set, else one.
  void Next(bool random);

 private:
  std::vector<std::string> paths_;
  int cursor_ = 0;
};

}  // namespace tenukiro
