#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shell/wayland/frame_pacer.h"
#include "shell/wayland/show_outputs.h"
#include "shell/wayland/xrgb_copy.h"

namespace tenukiro {
namespace {

TEST(FramePacer, OneFrameOnItsWayAtATimeWithChangesGathered) {
  FramePacer pacer;
  EXPECT_FALSE(pacer.Changed(Rect{}));  // nothing changed, nothing to send
  EXPECT_TRUE(pacer.Changed(Rect{10, 10, 20, 20}));
  EXPECT_EQ(pacer.TakeChanges(), (Rect{10, 10, 20, 20}));
  // While that frame is on its way, changes wait and gather.
  EXPECT_FALSE(pacer.Changed(Rect{0, 5, 4, 6}));
  EXPECT_FALSE(pacer.Changed(Rect{30, 0, 40, 2}));
  EXPECT_TRUE(pacer.FrameOnItsWay());
  EXPECT_TRUE(pacer.FrameShown());
  EXPECT_EQ(pacer.TakeChanges(), (Rect{0, 0, 40, 6}));
  // A frame shown with nothing new leaves the pacer idle; the next change goes at once.
  EXPECT_FALSE(pacer.FrameShown());
  EXPECT_FALSE(pacer.HasChanges());
  EXPECT_TRUE(pacer.Changed(Rect{1, 1, 2, 2}));
}

TEST(FramePacer, UnionIgnoresEmptyRectangles) {
  EXPECT_EQ(Union(Rect{}, Rect{}), Rect{});
  EXPECT_EQ(Union(Rect{5, 5, 5, 9}, Rect{1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(Union(Rect{1, 2, 3, 4}, Rect{7, 7, 6, 9}), (Rect{1, 2, 3, 4}));
  EXPECT_EQ(Union(Rect{-3, 2, 3, 4}, Rect{0, -1, 9, 3}), (Rect{-3, -1, 9, 4}));
}

uint32_t WordAt(const std::vector<uint8_t>& image, int stride, int x, int y) {
  uint32_t word;
  std::memcpy(&word, image.data() + y * stride + 4 * x, 4);
  return word;
}

TEST(CopyToXrgb, CopiesOnlyThePartInTheCompositorsLayout) {
  Raster raster(4, 3);
  raster.SetPixel(1, 1, Rgb(0x12, 0x34, 0x56));
  raster.SetPixel(2, 1, Rgb(0xFF, 0x00, 0x80));
  raster.SetPixel(0, 0, Rgb(1, 2, 3));
  const int stride = 4 * 4 + 8;  // rows may be longer than the picture
  std::vector<uint8_t> image(static_cast<size_t>(stride) * 3, 0xEE);
  CopyToXrgb(raster, Rect{1, 1, 3, 2}, image.data(), stride);
  EXPECT_EQ(WordAt(image, stride, 1, 1), 0x123456u);
  EXPECT_EQ(WordAt(image, stride, 2, 1), 0xFF0080u);
  // Outside the part nothing is written.
  EXPECT_EQ(WordAt(image, stride, 0, 0), 0xEEEEEEEEu);
  EXPECT_EQ(WordAt(image, stride, 3, 1), 0xEEEEEEEEu);
  EXPECT_EQ(WordAt(image, stride, 1, 2), 0xEEEEEEEEu);
  // A part reaching past the raster is clipped to it.
  CopyToXrgb(raster, Rect{-5, -5, 100, 1}, image.data(), stride);
  EXPECT_EQ(WordAt(image, stride, 0, 0), 0x010203u);
  EXPECT_EQ(WordAt(image, stride, 3, 0), 0u);
  EXPECT_EQ(image[static_cast<size_t>(4 * 4)], 0xEE);  // the row's padding stays
}

struct OutputsCase {
  const char* name;
  std::vector<bool> showingNow;
  bool allScreens;
  std::vector<bool> shows;
};

TEST(OutputsThatShow, TheFirstOutputOrEveryOne) {
  for (const OutputsCase& c : {
           OutputsCase{"no outputs", {}, false, {}},
           OutputsCase{"no outputs, all screens", {}, true, {}},
           OutputsCase{"a start on two", {false, false}, false, {true, false}},
           OutputsCase{"a start on two, all screens", {false, false}, true, {true, true}},
           OutputsCase{"an output added after the first", {true, false}, false, {true, false}},
           OutputsCase{"the showing output is kept", {false, true, false}, false, {false, true, false}},
           OutputsCase{"the first output went", {false}, false, {true}},
           OutputsCase{"all screens, one added", {true, false}, true, {true, true}},
       }) {
    EXPECT_EQ(OutputsThatShow(c.showingNow, c.allScreens), c.shows) << c.name;
  }
}

}  // namespace
}  // namespace tenukiro
