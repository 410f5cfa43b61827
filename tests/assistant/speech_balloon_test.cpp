#include <gtest/gtest.h>

#include <string>

#include "assistant/assistant.h"
#include "assistant_test_support.h"

namespace tenukiro {
namespace {

using namespace testing;

// A talking assistant in a 200 x 401 area (k = 10, U = 20) with a 16-pixel font: the balloon's
// outline runs from x = 10 to 190 and its bottom edge lies on row B - k - 6U = 271.
struct Speaking {
  Speaking(const std::string& said, int mode = ASSISTANT_SPEECH) : raster(200, 401, kScreen), text(said) {
    assistant.Create(Rect{0, 0, 200, 401}, 16, nullptr, TestColours());
    Canvas canvas(raster);
    cursor = text.data();
    lines = assistant.Draw(canvas, Point{0, 0}, &cursor, kTalkingPose, mode);
  }
  Color At(int x, int y) const { return raster.GetPixel(x, y); }

  Raster raster;
  std::string text;
  char* cursor = nullptr;
  CAssistant assistant;
  int lines = 0;
};

std::string Words(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "word ";
  return text;
}

TEST(SpeechBalloon, AShortTextShrinksTheBalloonFromTheTop) {
  const Speaking short_("hi");
  const Speaking long_(Words(100));
  for (const Speaking* s : {&short_, &long_}) {
    EXPECT_EQ(s->At(100, 271), kText) << "the bottom edge stays";
    EXPECT_EQ(s->At(100, 270), kBalloon);
    EXPECT_EQ(s->At(100, 272), kScreen);
  }
  // One line of 16 pixels: top = B - 9U - 16 - 1 = 204, outline at 204 + k.
  EXPECT_EQ(short_.assistant.BalloonTop(), 204);
  EXPECT_EQ(short_.At(100, 214), kText);
  EXPECT_EQ(short_.At(100, 213), kScreen);
  EXPECT_EQ(long_.assistant.BalloonTop(), 0);
  EXPECT_EQ(long_.At(100, 10), kText);
  // The text stands U inside the outline: "hi" within rows 234 .. 251.
  const Rect ink = ExtentOf(short_.raster, kText, Rect{31, 215, 170, 271});
  EXPECT_GE(ink.top, 234);
  EXPECT_LE(ink.bottom, 252);
  EXPECT_EQ(short_.lines, 1);
  EXPECT_EQ(*short_.cursor, '\0');
}

TEST(SpeechBalloon, ALongTextIsWrittenOnePageAtATime) {
  Speaking s(Words(100));
  // Text rows 30 .. 251: a 16-pixel line is started while y < 236, so 13 lines.
  EXPECT_EQ(s.lines, 13);
  EXPECT_NE(*s.cursor, '\0');
  EXPECT_EQ((s.cursor - s.text.data()) % 5, 0) << "a page ends between words";
}

TEST(SpeechBalloon, AWordWiderThanTheBalloonStaysInsideIt) {
  const Speaking s(std::string(80, 'x'));
  EXPECT_EQ(s.lines, 1);
  EXPECT_GT(CountOf(s.raster, kText), 400);
  EXPECT_EQ(ExtentOf(s.raster, kText, Rect{191, 0, 200, 401}).left, INT_MAX);
}

TEST(SpeechBalloon, ASilentSpeechDrawsTheBalloonWithoutText) {
  const Speaking s("hi", ASSISTANT_SPEECH | ASSISTANT_SILENT);
  EXPECT_EQ(s.lines, 0);
  EXPECT_EQ(*s.cursor, 'h');
  EXPECT_EQ(ExtentOf(s.raster, kText, Rect{31, 215, 170, 271}).left, INT_MAX);
  EXPECT_EQ(s.At(100, 214), kText);
}

TEST(SpeechBalloon, TheOnomatopoeiaIsOneCentredLineAboveTheCharacter) {
  const Speaking s("zzzzz!", ASSISTANT_ONOMATOPOEIA);
  EXPECT_EQ(s.cursor, nullptr) << "the text pointer is cleared";
  EXPECT_EQ(s.lines, 0);
  // Rows B - 6U - k - 16 .. B - 6U - k: 255 .. 271; no balloon, a transparent background.
  const Rect ink = ExtentOf(s.raster, kOnomatopoeia);
  EXPECT_GE(ink.top, 255);
  EXPECT_LE(ink.bottom, 272);
  EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.5, 2);
  EXPECT_EQ(CountOf(s.raster, kBalloon), CountOf(Speaking("", ASSISTANT_SILENT).raster, kBalloon));
}

TEST(SpeechBalloon, DrawMovesTheAreaAndKeepsItsSize) {
  Raster raster(400, 600, kScreen);
  Canvas canvas(raster);
  CAssistant assistant;
  assistant.Create(Rect{-500, -500, -300, -99}, 16, nullptr, TestColours());
  assistant.Draw(canvas, Point{150, 100}, nullptr, kSleepingPose, ASSISTANT_SILENT);
  EXPECT_EQ(assistant.Area(), (Rect{150, 100, 350, 501}));
  // The sleeping body's lowest row: cy + 2U = 501 - 2U - k - 1 + 2U = 490.
  EXPECT_EQ(raster.GetPixel(250, 490), kExternal);
}

}  // namespace
}  // namespace tenukiro
