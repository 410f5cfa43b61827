#include "render/bmp.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace tenukiro {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

struct BmpHeader {
  long long width = 0;
  long long height = 0;  // negative for top-down rows
  std::uint32_t planes = 0;
  std::uint32_t bitCount = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  std::uint32_t headerSize = 0;
  std::uint32_t pixelOffset = 0;
};

std::optional<BmpHeader> ReadHeader(std::span<const std::uint8_t> b) {
  if (b.size() < kFileHeaderSize + 4 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  BmpHeader h;
  h.pixelOffset = U32(b, 10);
  h.headerSize = U32(b, 14);
  if (h.headerSize == kCoreHeaderSize) {
    if (b.size() < kFileHeaderSize + kCoreHeaderSize) return std::nullopt;
    h.width = U16(b, 18);
    h.height = U16(b, 20);
    h.planes = U16(b, 22);
    h.bitCount = U16(b, 24);
    return h;
  }
  if (h.headerSize < 40 || h.headerSize > 124 || b.size() < kFileHeaderSize + 40) return std::nullopt;
  h.width = static_cast<std::int32_t>(U32(b, 18));
  h.height = static_cast<std::int32_t>(U32(b, 22));
  h.planes = U16(b, 26);
  h.bitCount = U16(b, 28);
  h.compression = U32(b, 30);
  h.colorsUsed = U32(b, 46);
  return h;
}

bool IsSupported(const BmpHeader& h) {
  const long long rows = h.height < 0 ? -h.height : h.height;
  if (h.width <= 0 || rows == 0 || h.width > Raster::kMaxSide || rows > Raster::kMaxSide) return false;
  if (h.width * rows > kMaxBmpPixels || h.planes != 1 || h.colorsUsed > 256) return false;
  switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
      return h.compression == kRgb;
    case 16:
    case 32:
      return h.compression == kRgb || h.compression == kBitFields;
    default:
      return false;
  }
}

// The pixel rows must lie inside the file, after the headers.
bool HoldsAllRows(const BmpHeader& h, std::size_t fileSize) {
  const long long rows = h.height < 0 ? -h.height : h.height;
  const long long rowBytes = (h.width * h.bitCount + 31) / 32 * 4;
  const long long end = static_cast<long long>(h.pixelOffset) + rowBytes * rows;
  return h.pixelOffset >= kFileHeaderSize + h.headerSize && end <= static_cast<long long>(fileSize);
}

}  // namespace

std::optional<Raster> DecodeBmp(std::span<const std::uint8_t> bytes) {
  const std::optional<BmpHeader> header = ReadHeader(bytes);
  if (!header || !IsSupported(*header) || !HoldsAllRows(*header, bytes.size())) return std::nullopt;
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3);
  if (!pixels) return std::nullopt;
  std::optional<Raster> raster;
  if (width == header->width && height == std::abs(header->height)) {
    raster.emplace(width, height);
    for (int y = 0; y < height; ++y) {
      std::copy_n(pixels + static_cast<std::size_t>(y) * width * 3, static_cast<std::size_t>(width) * 3, raster->Row(y));
    }
  }
  stbi_image_free(pixels);
  return raster;
}

std::optional<Raster> LoadBmp(const std::string& path) {
  // The largest well-formed file: a 32-bit image of the most pixels allowed, plus headers.
  constexpr std::streamoff kMaxFileSize = kMaxBmpPixels * 4 + 64 * 1024;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0 || size > kMaxFileSize) return std::nullopt;
  in.seekg(0);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return DecodeBmp(bytes);
}

}  // namespace tenukiro
