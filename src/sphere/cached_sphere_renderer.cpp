#include "sphere/cached_sphere_renderer.h"

#include <bit>

namespace tenukiro {

bool CachedSphereRenderer::RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                                        double ambientLevel) {
  // Levels are compared bit for bit, so that even a level that is not a number finds its entry.
  const Key key{image.width(), image.height(), diffuse, clear, std::bit_cast<std::uint64_t>(specularLevel),
                std::bit_cast<std::uint64_t>(ambientLevel)};
  if (CopyCached(key, image)) return true;
  if (!renderer_->RenderSphere(image, diffuse, clear, specularLevel, ambientLevel)) return false;
  Store(key, image);
  return true;
}

std::size_t CachedSphereRenderer::BytesOf(const Raster& image) {
  return static_cast<std::size_t>(image.stride()) * static_cast<std::size_t>(image.height());
}

bool CachedSphereRenderer::CopyCached(const Key& key, Raster& image) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->key != key) continue;
    entries_.splice(entries_.begin(), entries_, it);
    image = entries_.front().image;
    return true;
  }
  return false;
}

void CachedSphereRenderer::Store(const Key& key, const Raster& image) {
  const std::size_t size = BytesOf(image);
  if (size > kMaxBytes) return;
  while (!entries_.empty() && (entries_.size() >= kMaxEntries || bytes_ + size > kMaxBytes)) {
    bytes_ -= BytesOf(entries_.back().image);
    entries_.pop_back();
  }
  entries_.push_front(Entry{key, image});
  bytes_ += size;
}

}  // namespace tenukiro
