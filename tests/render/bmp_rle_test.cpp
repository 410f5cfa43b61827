#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "bmp_builder.h"
#include "render/bmp.h"

namespace tenukiro {
namespace {

using testing::Bytes;
using testing::MakeBmp;
using testing::Put32;

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;

// Sixteen colours, none of them equal, so that every index shows.
std::vector<Color> Palette() {
  std::vector<Color> palette;
  for (int i = 0; i < 16; ++i) palette.push_back(Rgb(i * 16, 255 - i * 16, (i * 89) % 256));
  return palette;
}

// A run-length-encoded BMP: the headers and palette of an indexed image, then `data`.
Bytes MakeRleBmp(int width, int height, int bits, const Bytes& data) {
  Bytes b = MakeBmp(width, height, bits, Palette(), {}, bits == 8 ? kRle8 : kRle4);
  Put32(b, 34, static_cast<std::uint32_t>(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  return b;
}

// The same picture uncompressed: an 8-bit image of the indices, rows given top first
// as digits (0-9, a-f).
Bytes MakeUncompressed(const std::vector<std::string>& rows) {
  std::vector<std::vector<std::uint32_t>> indices;
  for (const std::string& row : rows) {
    indices.emplace_back();
    for (char c : row) indices.back().push_back(c <= '9' ? c - '0' : c - 'a' + 10);
  }
  return MakeBmp(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), 8, Palette(), indices);
}

void ExpectSamePixels(const Raster& actual, const Raster& expected, const std::string& name) {
  ASSERT_EQ(actual.width(), expected.width()) << name;
  ASSERT_EQ(actual.height(), expected.height()) << name;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      ASSERT_EQ(actual.GetPixel(x, y), expected.GetPixel(x, y)) << name << " at " << x << "," << y;
    }
  }
}

struct RleCase {
  const char* name;
  int bits;
  Bytes data;  // bottom row first
  std::vector<std::string> rows;  // top row first; pixels no run reaches are index 0
};

class RleTable : public ::testing::TestWithParam<RleCase> {};

TEST_P(RleTable, DecodesLikeTheUncompressedImage) {
  const RleCase& c = GetParam();
  const int width = static_cast<int>(c.rows[0].size()), height = static_cast<int>(c.rows.size());
  const std::optional<Raster> decoded = DecodeBmp(MakeRleBmp(width, height, c.bits, c.data));
  const std::optional<Raster> expected = DecodeBmp(MakeUncompressed(c.rows));
  ASSERT_TRUE(decoded) << c.name;
  ASSERT_TRUE(expected) << c.name;
  ExpectSamePixels(*decoded, *expected, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, RleTable,
    ::testing::Values(
        RleCase{"rle8 runs and ends of line", 8, {4, 1, 0, 0, 2, 2, 2, 3, 0, 1}, {"2233", "1111"}},
        RleCase{"rle8 odd absolute run padded", 8, {0, 3, 1, 2, 3, 0, 2, 4, 0, 1}, {"12344"}},
        RleCase{"rle8 even absolute run", 8, {0, 4, 5, 6, 7, 8, 0, 1}, {"5678"}},
        RleCase{"rle8 delta right and up", 8, {1, 1, 0, 2, 2, 1, 1, 2, 0, 1}, {"0000", "0002", "1000"}},
        RleCase{"rle8 early end of line and bitmap", 8, {1, 3, 0, 0, 2, 2, 0, 1, 9, 9}, {"000", "220", "300"}},
        RleCase{"rle8 run past the row end is cut", 8, {5, 1, 0, 0, 1, 2, 0, 1}, {"200", "111"}},
        RleCase{"rle8 absolute run past the row end", 8, {0, 3, 4, 5, 6, 0, 0, 0, 1, 7, 0, 1}, {"70", "45"}},
        RleCase{"rle8 data ends without an end", 8, {2, 9, 0, 0, 1}, {"000", "990"}},
        RleCase{"rle8 delta past the top ends it", 8, {1, 4, 0, 2, 0, 5, 3, 3}, {"00", "40"}},
        RleCase{"rle4 runs alternate the halves", 4, {5, 0x12, 0, 0, 4, 0xab, 0, 1}, {"abab0", "12121"}},
        RleCase{"rle4 odd absolute run padded", 4, {0, 5, 0x12, 0x34, 0x50, 0, 1, 0x60, 0, 1}, {"123456"}},
        RleCase{"rle4 three pixels in two bytes", 4, {0, 3, 0xcd, 0xe0, 1, 0xf0, 0, 1}, {"cdef"}},
        RleCase{"rle4 delta and end of line", 4, {0, 2, 2, 0, 1, 0x70, 0, 0, 3, 0x89, 0, 1}, {"8980", "0070"}}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

// Encodes indices the way painting programs do: repeats as runs, mixed stretches as
// absolute runs, stretches of index 0 as moves.
Bytes Encode(const std::vector<std::vector<int>>& bottomUp, int bits) {
  Bytes out;
  const int width = static_cast<int>(bottomUp[0].size());
  for (const std::vector<int>& row : bottomUp) {
    int x = 0;
    while (x < width) {
      int same = 1;
      while (x + same < width && same < 255 && row[x + same] == row[x]) ++same;
      if (row[x] == 0 && same >= 2) {
        out.insert(out.end(), {0, 2, static_cast<std::uint8_t>(same), 0});
      } else if (same >= 3 || x + same == width) {
        const int pair = bits == 4 ? row[x] << 4 | row[x] : row[x];
        out.insert(out.end(), {static_cast<std::uint8_t>(same), static_cast<std::uint8_t>(pair)});
      } else {
        int count = std::min(width - x, 3 + x % 5);
        if (count < 3) count = 1;
        if (count == 1) {
          out.insert(out.end(), {1, static_cast<std::uint8_t>(bits == 4 ? row[x] << 4 : row[x])});
        } else {
          out.insert(out.end(), {0, static_cast<std::uint8_t>(count)});
          Bytes pixels;
          for (int i = 0; i < count; ++i) {
            if (bits == 8) pixels.push_back(static_cast<std::uint8_t>(row[x + i]));
            else if (i % 2 == 0) pixels.push_back(static_cast<std::uint8_t>(row[x + i] << 4));
            else pixels.back() |= static_cast<std::uint8_t>(row[x + i]);
          }
          if (pixels.size() % 2) pixels.push_back(0);
          out.insert(out.end(), pixels.begin(), pixels.end());
        }
        same = count;
      }
      x += same;
    }
    out.insert(out.end(), {0, 0});
  }
  out.insert(out.end(), {0, 1});
  return out;
}

TEST(BmpRle, RandomPicturesEncodedEveryWayDecodeExactly) {
  std::mt19937 random(99);
  for (int round = 0; round < 200; ++round) {
    const int bits = round % 2 ? 4 : 8;
    const int width = 1 + static_cast<int>(random() % 40), height = 1 + static_cast<int>(random() % 12);
    std::vector<std::vector<int>> bottomUp(height, std::vector<int>(width));
    for (auto& row : bottomUp) {
      // One pixel in three repeats its left neighbour, making runs.
      for (int x = 0; x < width; ++x) {
        row[x] = x > 0 && random() % 3 == 0 ? row[x - 1] : static_cast<int>(random() % 16);
      }
    }
    std::vector<std::string> topFirst;
    for (int y = height - 1; y >= 0; --y) {
      topFirst.emplace_back();
      for (int index : bottomUp[y]) topFirst.back() += "0123456789abcdef"[index];
    }
    const std::optional<Raster> decoded = DecodeBmp(MakeRleBmp(width, height, bits, Encode(bottomUp, bits)));
    const std::optional<Raster> expected = DecodeBmp(MakeUncompressed(topFirst));
    ASSERT_TRUE(decoded && expected) << round;
    ExpectSamePixels(*decoded, *expected, "round " + std::to_string(round));
  }
}

TEST(BmpRle, IndicesOutsideThePaletteAreBlack) {
  Bytes b = MakeBmp(3, 1, 8, {Rgb(1, 2, 3), Rgb(4, 5, 6)}, {}, kRle8);
  for (std::uint8_t byte : {0, 3, 1, 2, 200, 0, 0, 1}) b.push_back(byte);
  const std::optional<Raster> decoded = DecodeBmp(b);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->GetPixel(0, 0), Rgb(4, 5, 6));
  EXPECT_EQ(decoded->GetPixel(1, 0), Rgb(0, 0, 0));  // index 2: the table holds two
  EXPECT_EQ(decoded->GetPixel(2, 0), Rgb(0, 0, 0));
}

TEST(BmpRle, RefusedWhereTheFormatAllowsNone) {
  const Bytes data = {2, 1, 0, 1};
  Bytes topDown = MakeRleBmp(2, 1, 8, data);
  Put32(topDown, 22, static_cast<std::uint32_t>(-1));
  EXPECT_FALSE(DecodeBmp(topDown)) << "run-length rows are bottom-up only";
  Bytes rle4At8 = MakeRleBmp(2, 1, 8, data);
  Put32(rle4At8, 30, kRle4);
  EXPECT_FALSE(DecodeBmp(rle4At8));
  Bytes noData = MakeRleBmp(2, 1, 8, {});
  EXPECT_FALSE(DecodeBmp(noData)) << "the pixel data begins past the end";
  EXPECT_TRUE(DecodeBmp(MakeRleBmp(2, 1, 8, data)));
}

// Cut short or scrambled anywhere, run-length data decodes to an image of the
// header's size; the sanitizer build checks that nothing is read or written outside.
TEST(BmpRle, DamagedDataStaysInBounds) {
  std::mt19937 random(4242);
  std::vector<std::vector<int>> bottomUp(7, std::vector<int>(13));
  for (auto& row : bottomUp) {
    for (int& index : row) index = static_cast<int>(random() % 16);
  }
  for (int bits : {4, 8}) {
    const Bytes good = MakeRleBmp(13, 7, bits, Encode(bottomUp, bits));
    for (std::size_t n = 0; n <= good.size(); ++n) {
      const std::optional<Raster> cut = DecodeBmp(std::span(good.data(), n));
      if (cut) {
        EXPECT_EQ(cut->width() * cut->height(), 13 * 7) << n;
      }
    }
    const std::size_t dataStart = good.size() - Encode(bottomUp, bits).size();
    for (int round = 0; round < 3000; ++round) {
      Bytes bad = good;
      for (int flips = 0; flips < 1 + round % 6; ++flips) {
        bad[dataStart + random() % (bad.size() - dataStart)] = static_cast<std::uint8_t>(random());
      }
      const std::optional<Raster> decoded = DecodeBmp(bad);
      ASSERT_TRUE(decoded) << round;
      EXPECT_EQ(decoded->width() * decoded->height(), 13 * 7);
    }
  }
}

}  // namespace
}  // namespace tenukiro
