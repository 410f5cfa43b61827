#pragma once

#include <cstddef>

namespace tenukiro {

// Walks a ring of T (linked through T::Next()) once, starting at its first member.
template <class T>
class RingRange {
 public:
  class Iterator {
   public:
    Iterator(T* current, T* first) : current_(current), first_(first) {}
    T* operator*() const { return current_; }
    Iterator& operator++() {
      current_ = current_->Next();
      if (current_ == first_) current_ = nullptr;
      return *this;
    }
    bool operator==(const Iterator& other) const { return current_ == other.current_; }

   private:
    T* current_;
    T* first_;
  };

  explicit RingRange(T* first) : first_(first) {}
  Iterator begin() const { return Iterator(first_, first_); }
  Iterator end() const { return Iterator(nullptr, first_); }

 private:
  T* first_;
};

}  // namespace tenukiro
