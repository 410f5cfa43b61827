#pragma once

#include <cstddef>
#include <cstdint>
#include <list>

#include "render/sphere_image_renderer.h"

namespace tenukiro {

// Keeps the most recently rendered sphere images and hands out copies of them. Every full frame
// asks for the same few images again, so most requests become a copy instead of a rendering.
// The key is everything the pixels depend on: size, both colours and both levels.
class CachedSphereRenderer : public SphereImageRenderer {
 public:
  static constexpr std::size_t kMaxEntries = 16;
  static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

  explicit CachedSphereRenderer(SphereImageRenderer& renderer) : renderer_(&renderer) {}

  bool RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                    double ambientLevel) override;

  std::size_t entries() const { return entries_.size(); }
  std::size_t bytes() const { return bytes_; }

 private:
  struct Key {
    int width = 0;
    int height = 0;
    Color diffuse = 0;
    Color clear = 0;
    std::uint64_t specularBits = 0;
    std::uint64_t ambientBits = 0;
    bool operator==(const Key&) const = default;
  };
  struct Entry {
    Key key;
    Raster image;
  };

  static std::size_t BytesOf(const Raster& image);
  bool CopyCached(const Key& key, Raster& image);
  void Store(const Key& key, const Raster& image);

  SphereImageRenderer* renderer_;
  std::list<Entry> entries_;  // most recently used first
  std::size_t bytes_ = 0;
};

}  // namespace tenukiro
