#include "show/file_list.h"

#include "base/random_source.h"

namespace tenukiro {

const std::string& FileList::Current() const {
  static const std::string kNone;
  return paths_.empty() ? kNone : paths_[cursor_];
}

void FileList::Advance(int entries) {
  if (paths_.empty() || entries <= 0) return;
  cursor_ = static_cast<int>((cursor_ + static_cast<long long>(entries)) % Count());
}

void FileList::Next(bool random) { Advance(random ? RandomInt(Count()) : 1); }

}  // namespace tenukiro
