#pragma once

#include <cstdint>
#include <memory>

#include "render/geometry.h"

struct wl_buffer;
struct wl_shm;

namespace tenukiro {

// A picture the compositor reads from shared memory: XRGB8888, the size of a surface in
// device pixels. It is busy from the commit that hands it over until the compositor
// releases it; `stale` is what changed on the surface since it was last filled.
class ShmBuffer {
 public:
  // A new buffer is black. Null when the memory cannot be had.
  static std::unique_ptr<ShmBuffer> Create(wl_shm* shm, Size size);
  ~ShmBuffer();
  ShmBuffer(const ShmBuffer&) = delete;
  ShmBuffer& operator=(const ShmBuffer&) = delete;

  wl_buffer* Buffer() const { return buffer_; }
  uint8_t* Pixels() const { return pixels_; }
  int Stride() const { return size_.width * 4; }
  Size PixelSize() const { return size_; }

  bool busy = false;
  Rect stale;

 private:
  ShmBuffer(wl_buffer* buffer, uint8_t* pixels, size_t bytes, Size size)
      : buffer_(buffer), pixels_(pixels), bytes_(bytes), size_(size) {}

  wl_buffer* buffer_;
  uint8_t* pixels_;
  size_t bytes_;
  Size size_;
};

}  // namespace tenukiro
