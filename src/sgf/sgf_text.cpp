#include "sgf/sgf_text.h"

#include <algorithm>
#include <cstring>

#include "sgf/sgf_normalize.h"

namespace tenukiro {
namespace {

// Pieces start small so the first node is ready at once, and grow with the text
// already normalised so that long runs pay little per piece, but no further than
// what stays in the cache until the parser reads it.
constexpr size_t kFirstPiece = 64 * 1024;
constexpr size_t kLargestPiece = 256 * 1024;

}  // namespace

SgfText::SgfText(std::string_view bytes)
    : buffer_(std::make_unique_for_overwrite<char[]>(bytes.size() + 1)), size_(bytes.size()) {
  if (!bytes.empty()) std::memcpy(buffer_.get(), bytes.data(), bytes.size());
  buffer_[size_] = '\0';
}

SgfText::SgfText(std::unique_ptr<char[]> buffer, size_t size) : buffer_(std::move(buffer)), size_(size) {
  if (buffer_) buffer_[size_] = '\0';
}

bool SgfText::NormalizeMore() {
  if (!buffer_ || read_ >= size_) return false;
  const size_t piece = std::clamp(length_, kFirstPiece, kLargestPiece);
  const size_t limit = size_ - read_ > piece ? read_ + piece : size_;
  NormalizeRange(buffer_.get(), size_, limit, read_, length_, inValue_);
  // Only once all is read may the NUL go in: before that it could hide raw bytes.
  if (read_ >= size_) buffer_[length_] = '\0';
  return true;
}

void SgfText::Release() {
  buffer_.reset();
  size_ = read_ = length_ = 0;
}

}  // namespace tenukiro
