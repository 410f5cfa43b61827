#include "show/file_list.h"

#include "base/random_source.h"

namespace tenukiro {

FileList::FileList(std::vector<std::string> entries, int stepBudget)
    : walker_(std::move(entries)), stepBudget_(stepBudget) {
  while (paths_.empty() && !walker_.Done()) Grow();
  Grow();
}

const std::string& FileList::Current() const {
  static const std::string kNone;
  return paths_.empty() ? kNone : paths_[cursor_];
}

void FileList::Advance(int entries) {
  if (paths_.empty() || entries <= 0) return;
  cursor_ = static_cast<int>((cursor_ + static_cast<long long>(entries)) % Count());
}

void FileList::MoveTo(int index) {
  if (index < 0) return;
  while (index >= Count() && !walker_.Done()) Grow();
  if (!paths_.empty()) cursor_ = index % Count();
}

void FileList::Next(bool random) {
  if (random) {
    Advance(RandomInt(Count()));
    return;
  }
  // The next record may still lie in a folder not yet read.
  while (cursor_ + 1 == Count() && !walker_.Done()) Grow();
  Advance(1);
}

void FileList::Grow() {
  if (!walker_.Done()) walker_.Walk(stepBudget_, paths_);
}

}  // namespace tenukiro
