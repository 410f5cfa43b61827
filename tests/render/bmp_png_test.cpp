#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>
#include <vector>

#include "bmp_builder.h"
#include "pixel_map.h"
#include "render/bmp.h"
#include "render/png.h"

namespace tenukiro {
namespace {

using testing::Bytes;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::kWhite;
using testing::MakeBmp;
using testing::Put16;
using testing::Put32;

Bytes Good24() { return MakeBmp(3, 2, 24, {}, {{kRed, kBlack, kWhite}, {kBlue, kWhite, kRed}}); }

class TempFolder : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  void SetUp() override {
    folder_ = std::filesystem::path(::testing::TempDir()) / ("tk_render_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
};

using BmpTest = TempFolder;

TEST_F(BmpTest, Loads24BitBottomUp) {
  const auto raster = LoadBmp(Write("good24.bmp", Good24()));
  ASSERT_TRUE(raster);
  EXPECT_EQ(testing::PixelMap(*raster), "r#.\nb.r\n");
}

TEST_F(BmpTest, Loads24BitTopDown) {
  const auto raster = DecodeBmp(MakeBmp(3, -2, 24, {}, {{kRed, kBlack, kWhite}, {kBlue, kWhite, kRed}}));
  ASSERT_TRUE(raster);
  EXPECT_EQ(testing::PixelMap(*raster), "r#.\nb.r\n");
}

TEST_F(BmpTest, Loads8BitWithPalette) {
  const auto raster = LoadBmp(Write("good8.bmp", MakeBmp(5, 2, 8, {kWhite, kRed, kBlue}, {{0, 1, 2, 1, 0}, {2, 2, 0, 0, 1}})));
  ASSERT_TRUE(raster);
  EXPECT_EQ(testing::PixelMap(*raster), ".rbr.\nbb..r\n");
}

TEST_F(BmpTest, MissingFileFails) { EXPECT_FALSE(LoadBmp((folder_ / "none.bmp").string())); }

TEST_F(BmpTest, EveryTruncationFailsCleanly) {
  const Bytes good = Good24();
  for (std::size_t n = 0; n < good.size(); ++n) {
    EXPECT_FALSE(DecodeBmp(std::span(good.data(), n))) << n;
  }
  EXPECT_FALSE(LoadBmp(Write("cut.bmp", Bytes(good.begin(), good.end() - 1))));
}

struct BadHeader {
  const char* name;
  std::size_t at;
  std::uint32_t value;
  bool wide;
};

class BmpHeaderTest : public ::testing::TestWithParam<BadHeader> {};

TEST_P(BmpHeaderTest, IsRefusedBeforeAnyAllocation) {
  Bytes b = Good24();
  if (GetParam().wide) {
    Put32(b, GetParam().at, GetParam().value);
  } else {
    Put16(b, GetParam().at, GetParam().value);
  }
  EXPECT_FALSE(DecodeBmp(b)) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Headers, BmpHeaderTest,
    ::testing::Values(BadHeader{"signature", 0, 0x4D42 + 1, false}, BadHeader{"giant width", 18, 100000, true},
                      BadHeader{"giant height", 22, 100000, true}, BadHeader{"just too wide", 18, 16385, true},
                      BadHeader{"most negative height", 22, 0x80000000u, true}, BadHeader{"zero width", 18, 0, true},
                      BadHeader{"negative width", 18, 0xFFFFFFFFu, true}, BadHeader{"zero height", 22, 0, true},
                      BadHeader{"planes", 26, 2, false}, BadHeader{"bits", 28, 7, false},
                      BadHeader{"rle8", 30, 1, true}, BadHeader{"rle4", 30, 2, true}, BadHeader{"jpeg", 30, 4, true},
                      BadHeader{"header size", 14, 20, true}, BadHeader{"huge header size", 14, 0xFFFFFFFFu, true},
                      BadHeader{"pixels past the end", 10, 0xFFFFFFF0u, true},
                      BadHeader{"pixels inside the header", 10, 20, true},
                      BadHeader{"palette too large", 46, 100000, true}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(BmpGarbageTest, RandomBytesNeverCrash) {
  std::mt19937 random(12345);
  const Bytes good = Good24();
  for (int round = 0; round < 2000; ++round) {
    Bytes b = round % 2 ? good : Bytes(random() % 200);
    if (round % 2 == 0) {
      for (auto& byte : b) byte = static_cast<std::uint8_t>(random());
      if (b.size() > 2) b[0] = 'B', b[1] = 'M';
    } else {
      for (int flips = 0; flips < 4; ++flips) b[random() % b.size()] = static_cast<std::uint8_t>(random());
    }
    const auto raster = DecodeBmp(b);
    if (raster) {
      EXPECT_LE(static_cast<long long>(raster->width()) * raster->height(), kMaxBmpPixels);
    }
  }
}

using PngTest = TempFolder;

TEST_F(PngTest, WritesAPngFile) {
  Raster raster(4, 3, kRed);
  const std::string path = (folder_ / "out.png").string();
  ASSERT_TRUE(WritePng(raster, path));
  std::ifstream in(path, std::ios::binary);
  char signature[8] = {};
  in.read(signature, 8);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(PngTest, RefusesEmptyRasterAndUnwritablePath) {
  EXPECT_FALSE(WritePng(Raster(), (folder_ / "empty.png").string()));
  EXPECT_FALSE(WritePng(Raster(2, 2), (folder_ / "no" / "such" / "dir.png").string()));
}

}  // namespace
}  // namespace tenukiro
