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

#include "base/file_path.h"

namespace tenukiro {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
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
  std::uint32_t imageSize = 0;  // bytes of pixel data; 0 when not given
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
  h.imageSize = U32(b, 34);
  h.colorsUsed = U32(b, 46);
  return h;
}

bool IsSupported(const BmpHeader& h) {
  const long long rows = h.height < 0 ? -h.height : h.height;
  if (h.width <= 0 || rows == 0 || h.width > Raster::kMaxSide || rows > Raster::kMaxSide) return false;
  if (h.width * rows > kMaxBmpPixels || h.planes != 1 || h.colorsUsed > 256) return false;
  switch (h.bitCount) {
    case 4:
      return h.compression == kRgb || (h.compression == kRle4 && h.height > 0);
    case 8:
      return h.compression == kRgb || (h.compression == kRle8 && h.height > 0);
    case 1:
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

// The colour table of an indexed image, as many entries as the header claims and
// the file holds; nothing when it holds none.
std::vector<Color> ReadPalette(const BmpHeader& h, std::span<const std::uint8_t> b) {
  const std::size_t first = kFileHeaderSize + h.headerSize;
  const std::size_t claimed = h.colorsUsed ? h.colorsUsed : std::size_t{1} << h.bitCount;
  const std::size_t held = b.size() > first ? (b.size() - first) / 4 : 0;
  std::vector<Color> palette(std::min(claimed, held));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::size_t at = first + 4 * i;
    palette[i] = Rgb(b[at + 2], b[at + 1], b[at]);
  }
  return palette;
}

// Decodes 4- and 8-bit run-length-encoded pixels (bottom-up rows). Runs and
// absolute runs that reach past a row's end are cut there, moves past the image
// end it, and the data may end anywhere: every read is checked against the data's
// end, every write against the image. Pixels no run reaches keep the first colour
// of the table, as an image of zero indices would show them.
class RunLengthDecoder {
 public:
  RunLengthDecoder(const BmpHeader& h, std::span<const std::uint8_t> data, std::vector<Color> palette)
      : data_(data),
        palette_(std::move(palette)),
        fourBit_(h.compression == kRle4),
        raster_(static_cast<int>(h.width), static_cast<int>(h.height), palette_.empty() ? 0 : palette_[0]) {}

  Raster Decode() {
    while (Left() >= 2 && y_ < raster_.height()) {
      const std::uint8_t count = data_[at_++];
      const std::uint8_t value = data_[at_++];
      if (count > 0) {
        PutRun(count, value);
      } else if (value == 0) {  // end of line
        x_ = 0;
        ++y_;
      } else if (value == 1) {  // end of bitmap
        break;
      } else if (value == 2) {  // move right and up
        if (Left() < 2) break;
        x_ += data_[at_++];
        y_ += data_[at_++];
      } else if (!PutAbsolute(value)) {
        break;
      }
    }
    return std::move(raster_);
  }

 private:
  std::size_t Left() const { return data_.size() - at_; }

  // The i-th pixel of a byte pair's run: in 4-bit images the two halves of the byte alternate.
  std::uint8_t IndexOf(std::uint8_t value, std::size_t i) const {
    if (!fourBit_) return value;
    return i % 2 ? value & 0x0F : value >> 4;
  }

  void Put(long long x, std::uint8_t index) {
    if (x >= raster_.width()) return;
    const Color colour = index < palette_.size() ? palette_[index] : 0;
    raster_.SetPixel(static_cast<int>(x), raster_.height() - 1 - static_cast<int>(y_), colour);
  }

  void PutRun(std::uint8_t count, std::uint8_t value) {
    for (std::size_t i = 0; i < count && x_ + static_cast<long long>(i) < raster_.width(); ++i) {
      Put(x_ + static_cast<long long>(i), IndexOf(value, i));
    }
    x_ += count;
  }

  // `count` pixels given one by one, their bytes padded to an even number.
  bool PutAbsolute(std::uint8_t count) {
    const std::size_t bytes = fourBit_ ? (count + 1u) / 2 : count;
    if (Left() < bytes) return false;
    for (std::size_t i = 0; i < count; ++i) {
      Put(x_ + static_cast<long long>(i), IndexOf(data_[at_ + (fourBit_ ? i / 2 : i)], i));
    }
    x_ += count;
    at_ += std::min(bytes + bytes % 2, Left());
    return true;
  }

  std::span<const std::uint8_t> data_;
  std::vector<Color> palette_;
  bool fourBit_;
  Raster raster_;
  std::size_t at_ = 0;
  long long x_ = 0;
  long long y_ = 0;
};

std::optional<Raster> DecodeRunLength(const BmpHeader& h, std::span<const std::uint8_t> bytes) {
  if (h.pixelOffset < kFileHeaderSize + h.headerSize || h.pixelOffset >= bytes.size()) return std::nullopt;
  std::span<const std::uint8_t> data = bytes.subspan(h.pixelOffset);
  if (h.imageSize > 0 && h.imageSize < data.size()) data = data.first(h.imageSize);
  return RunLengthDecoder(h, data, ReadPalette(h, bytes)).Decode();
}

}  // namespace

std::optional<Raster> DecodeBmp(std::span<const std::uint8_t> bytes) {
  const std::optional<BmpHeader> header = ReadHeader(bytes);
  if (!header || !IsSupported(*header)) return std::nullopt;
  if (header->compression == kRle8 || header->compression == kRle4) return DecodeRunLength(*header, bytes);
  if (!HoldsAllRows(*header, bytes.size())) return std::nullopt;
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
  std::ifstream in(FilePath(path), std::ios::binary);
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
