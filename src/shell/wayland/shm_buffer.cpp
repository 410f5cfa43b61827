#include "shell/wayland/shm_buffer.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace tenukiro {
namespace {

void OnRelease(void* data, wl_buffer*) { static_cast<ShmBuffer*>(data)->busy = false; }
constexpr wl_buffer_listener kBufferListener = {OnRelease};

}  // namespace

std::unique_ptr<ShmBuffer> ShmBuffer::Create(wl_shm* shm, Size size) {
  if (size.width <= 0 || size.height <= 0 || size.width > 16384 || size.height > 16384) return nullptr;
  const size_t bytes = static_cast<size_t>(size.width) * static_cast<size_t>(size.height) * 4;
  const int fd = memfd_create("tenukiro-surface", MFD_CLOEXEC);
  if (fd < 0) return nullptr;
  if (ftruncate(fd, static_cast<off_t>(bytes)) < 0) {
    close(fd);
    return nullptr;
  }
  void* pixels = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (pixels == MAP_FAILED) {
    close(fd);
    return nullptr;
  }
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int32_t>(bytes));
  wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, size.width, size.height, size.width * 4, WL_SHM_FORMAT_XRGB8888);
  // The buffer keeps the memory: the pool and our descriptor are no longer needed.
  wl_shm_pool_destroy(pool);
  close(fd);
  std::unique_ptr<ShmBuffer> made(new ShmBuffer(buffer, static_cast<uint8_t*>(pixels), bytes, size));
  wl_buffer_add_listener(buffer, &kBufferListener, made.get());
  return made;
}

ShmBuffer::~ShmBuffer() {
  wl_buffer_destroy(buffer_);
  munmap(pixels_, bytes_);
}

}  // namespace tenukiro
