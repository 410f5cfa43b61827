#include <gtest/gtest.h>

#include "assistant/assistant.h"
#include "assistant_test_support.h"

namespace tenukiro {
namespace {

using namespace testing;

// An assistant whose area is the whole raster, drawn once.
struct Drawing {
  Drawing(int width, int height, const char* pose, SphereImageRenderer* sphere = nullptr,
          int mode = ASSISTANT_SILENT, const char* text = nullptr, int fontHeight = 16)
      : raster(width, height, kScreen), buffer(text ? text : "") {
    assistant.Create(Rect{0, 0, width, height}, fontHeight, sphere, TestColours());
    Canvas canvas(raster);
    char* cursor = text ? buffer.data() : nullptr;
    lines = assistant.Draw(canvas, Point{0, 0}, &cursor, pose, mode);
    rest = cursor;
  }
  Color At(int x, int y) const { return raster.GetPixel(x, y); }
  int U() const { return assistant.Units().U; }
  int k() const { return assistant.Units().k; }

  Raster raster;
  std::string buffer;
  CAssistant assistant;
  int lines = 0;
  const char* rest = nullptr;
};

TEST(AssistantUnits, GrowWithTheAreaAndAreNeverBelowOne) {
  struct Case { int w, h, k; };
  for (const Case& c : {Case{19, 39, 1}, Case{20, 40, 1}, Case{40, 80, 2}, Case{200, 401, 10}, Case{400, 80, 2},
                        Case{60, 999, 3}, Case{0, 0, 1}, Case{-50, 100, 1}}) {
    EXPECT_EQ(UnitsFor(c.w, c.h).k, c.k) << c.w << "x" << c.h;
    EXPECT_EQ(UnitsFor(c.w, c.h).U, 2 * c.k);
  }
}

// 200 x 401 pixels: k = 10, U = 20, the body's centre x = 100; the talking pose stands on legs U
// long, the sleeping one sits U lower with its feet under the body; both end k above the bottom.
TEST(AssistantDrawing, LegsAndBodyOfTheTalkingAndSleepingPoses) {
  struct Case { const char* pose; int cy; Rect legs; };
  for (const Case& c : {Case{kTalkingPose, 330, Rect{60, 371, 141, 392}},
                        Case{kSleepingPose, 350, Rect{62, 391, 139, 392}}}) {
    SCOPED_TRACE(c.pose);
    const Drawing d(200, 401, c.pose);
    ASSERT_EQ(d.U(), 20);
    EXPECT_EQ(d.At(100, c.cy + 40), kExternal) << "the body's lowest row";
    EXPECT_EQ(d.At(100, c.cy + 39), kBody);
    EXPECT_EQ(d.At(100, c.cy - 40), kExternal) << "the body's top, where the hairs start";
    EXPECT_EQ(ExtentOf(d.raster, kExternal, Rect{0, c.cy + 41, 200, 401}), c.legs);
    // Three hairs k long above the body.
    EXPECT_EQ(ExtentOf(d.raster, kExternal, Rect{0, 0, 200, c.cy - 40}), (Rect{91, c.cy - 49, 110, c.cy - 40}));
  }
}

TEST(AssistantDrawing, TheTalkingLegsBendTheirKneesOutward) {
  const Drawing d(200, 401, kTalkingPose);
  // Left leg: hip (80, 371), knee (60, 380), foot from (80, 391) left to x = 62.
  for (const Point p : {Point{80, 371}, Point{60, 380}, Point{80, 391}, Point{62, 391}, Point{120, 371},
                        Point{140, 380}, Point{138, 391}}) {
    EXPECT_EQ(d.At(p.x, p.y), kExternal) << p.x << "," << p.y;
  }
  EXPECT_EQ(d.At(61, 391), kScreen) << "a segment leaves out its end point";
  EXPECT_EQ(d.At(139, 391), kScreen);
}

// Pose "2030000000": a lower half left eye and an upper half right eye, no mouth, no legs:
// centre (100, 350), eyes at x = 60 and 140 with radius U = 20, pupils of radius k = 10.
TEST(AssistantDrawing, HalfEyesAreCutAtTheCentreLineAndTheFlatLookDrawsTheLid) {
  FlatSphere sphere;
  for (const bool shaded : {false, true}) {
    SCOPED_TRACE(shaded ? "shaded" : "flat");
    const Drawing d(200, 401, "2030000000", shaded ? &sphere : nullptr);
    ASSERT_EQ(d.assistant.Shaded(), shaded);
    const Color lid = shaded ? kBody : kIntern;
    EXPECT_EQ(d.At(45, 355), kBalloon) << "the lower half of the left eye shows";
    EXPECT_EQ(d.At(45, 345), kBody) << "its upper half does not";
    EXPECT_EQ(d.At(60, 355), kText) << "nor the upper half of its pupil";
    EXPECT_EQ(d.At(60, 345), kBody);
    EXPECT_EQ(d.At(155, 345), kBalloon) << "the upper half of the right eye shows";
    EXPECT_EQ(d.At(155, 355), kBody);
    EXPECT_EQ(d.At(140, 345), kText);
    for (const int x : {45, 60, 75, 125, 155}) EXPECT_EQ(d.At(x, 350), lid) << x;
  }
}

TEST(AssistantDrawing, TheShadedBodyHasNoOutline) {
  FlatSphere sphere;
  const Drawing flat(200, 401, "0000000000");
  const Drawing shaded(200, 401, "0000000000", &sphere);
  // Centre (100, 350): the body spans x 20..180.
  EXPECT_EQ(flat.At(20, 350), kExternal);
  EXPECT_NE(shaded.At(20, 350), kExternal);
  EXPECT_EQ(shaded.At(100, 350), kBody);
  EXPECT_EQ(shaded.At(19, 350), kScreen);
}

// The mouth is the only thing in the intern colour once the eyes are gone.
TEST(AssistantDrawing, SideMouthsNeedRoomForTheirArcs) {
  enum class Mouth { None, Segment, Arc };
  struct Case { int w, h; const char* pose; Mouth mouth; Rect segment; };
  // U = 2, centre (9, 33): no side mouth, but a wide one in the middle, on row cy + 3.
  // U = 4, centre (20, 69): a side mouth is a segment on row cy + 6, at the left from
  // cx - 2U - k, at the right from cx + 2U + k - 1. U = 6: a quarter arc.
  const Case cases[] = {{19, 39, "0000230000", Mouth::None, {}},
                        {19, 39, "0000120000", Mouth::Segment, {6, 36, 13, 37}},
                        {40, 80, "0000230000", Mouth::Segment, {8, 75, 13, 76}},
                        {40, 80, "0000340000", Mouth::Segment, {27, 75, 32, 76}},
                        {60, 120, "0000230000", Mouth::Arc, {}},
                        {60, 120, "0000240000", Mouth::Arc, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + " " + c.pose);
    const Drawing d(c.w, c.h, c.pose);
    const Rect ink = ExtentOf(d.raster, kIntern);
    switch (c.mouth) {
      case Mouth::None:
        EXPECT_EQ(CountOf(d.raster, kIntern), 0);
        break;
      case Mouth::Segment:
        EXPECT_EQ(ink, c.segment);
        break;
      case Mouth::Arc:
        EXPECT_GE(ink.Height(), 2) << "an arc spans several rows";
        EXPECT_LE(ink.Width(), 2 * d.k() + 2);
        break;
    }
  }
}

TEST(AssistantDrawing, ASideArcLiesAtItsSide) {
  // U = 6, k = 3, centre x = 30: the left corner about cx - 2U - k = 15, the right one cx + 15.
  const Rect left = ExtentOf(Drawing(60, 120, "0000230000").raster, kIntern);
  const Rect right = ExtentOf(Drawing(60, 120, "0000240000").raster, kIntern);
  EXPECT_GE(left.left, 15 - 6);
  EXPECT_LE(left.right, 15 + 7);
  EXPECT_GE(right.left, 45 - 6);
  EXPECT_LE(right.right, 45 + 7);
}

}  // namespace
}  // namespace tenukiro
