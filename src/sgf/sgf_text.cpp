#include "sgf/sgf_text.h"

#include <cstring>

#include "sgf/sgf_normalize.h"

namespace tenukiro {

SgfText::SgfText(std::string_view bytes, Reading reading)
    : buffer_(std::make_unique_for_overwrite<char[]>(bytes.size() + 1)), size_(bytes.size()), reading_(reading) {
  if (!bytes.empty()) std::memcpy(buffer_.get(), bytes.data(), bytes.size());
  buffer_[size_] = '\0';
  if (reading == Reading::GeneralOnly) size_ = NormalizeSgfText(buffer_.get(), size_);
}

SgfText::SgfText(std::unique_ptr<char[]> buffer, size_t size) : buffer_(std::move(buffer)), size_(size) {
  if (buffer_) buffer_[size_] = '\0';
}

void SgfText::Release() {
  buffer_.reset();
  size_ = position_ = 0;
  inValue_ = false;
}

}  // namespace tenukiro
