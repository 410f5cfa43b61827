#include "sgf/sgf_text.h"

#include <cstdio>
#include <cstring>

#include "base/mapped_file.h"
#include "sgf/sgf_normalize.h"

namespace tenukiro {

SgfText::SgfText(std::string_view bytes, Reading reading)
    : buffer_(std::make_unique_for_overwrite<char[]>(bytes.size() + 1)),
      bytes_(buffer_.get()),
      size_(bytes.size()),
      reading_(reading),
      charset_(FindRecordCharset(bytes)) {
  if (!bytes.empty()) std::memcpy(bytes_, bytes.data(), bytes.size());
  bytes_[size_] = '\0';
  if (reading == Reading::GeneralOnly) size_ = NormalizeSgfText(bytes_, size_, charset_.doubleByte);
}

SgfText::SgfText(std::unique_ptr<MappedFile> file) : file_(std::move(file)) {
  if (!file_) return;
  // An empty file maps to no bytes; it is still a text, and an empty one.
  static char empty[1];
  bytes_ = file_->Bytes() ? file_->Bytes() : empty;
  size_ = file_->Size();
  Guard([this] { charset_ = FindRecordCharset(std::string_view(bytes_, size_)); });
}

SgfText::SgfText() = default;
SgfText::SgfText(SgfText&&) noexcept = default;
SgfText& SgfText::operator=(SgfText&&) noexcept = default;
SgfText::~SgfText() = default;

void SgfText::SetPosition(size_t position, bool inValue) {
  position_ = position;
  inValue_ = inValue;
  if (file_) file_->Forget(position);
}

void SgfText::Release() {
  buffer_.reset();
  file_.reset();
  bytes_ = nullptr;
  size_ = position_ = 0;
  inValue_ = false;
}

bool SgfText::RunGuardedWork(void (*work)(void*), void* context) {
  if (!file_) {
    work(context);
    return true;
  }
  if (RunGuarded(file_->Bytes(), file_->Size(), work, context)) return true;
  std::fprintf(stderr, "tenukiro: %s was cut short while it was read; the record ends there\n",
               file_->Path().c_str());
  return false;
}

}  // namespace tenukiro
