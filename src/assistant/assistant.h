#pragma once

#include <memory>

#include "assistant/assistant_images.h"
#include "assistant/pose_code.h"
#include "render/canvas.h"
#include "render/sphere_image_renderer.h"

namespace tenukiro {

// What a draw of the assistant writes besides the character; other bits are ignored.
inline constexpr int ASSISTANT_SILENT = 0x08;
inline constexpr int ASSISTANT_SPEECH = 0x10;
inline constexpr int ASSISTANT_ONOMATOPOEIA = 0x20;

struct AssistantColours {
  Color body = 0;          // fill of the body
  Color intern = 0;        // eyes' outline, lids, closed eyes and mouth
  Color external = 0;      // body outline, hairs and legs
  Color onomatopoeia = 0;  // the one-line text
  Color text = 0;          // balloon outline and balloon text
  Color balloon = 0;       // balloon fill and text background
};

// The base unit k and the drawing unit U = 2k of an area: the character grows with its area.
struct AssistantUnits {
  int k = 1;
  int U = 2;
};
AssistantUnits UnitsFor(int width, int height);

// The cartoon character beside the board: an oval body with eyes, mouth, three hairs and two
// legs in a pose, and above it a speech balloon or a one-line text. Flat shapes, or, in the
// three-dimensional look, shaded sphere images laid over the picture with soft edges.
class CAssistant {
 public:
  // Takes the area (only its size counts until a draw moves it), the text font's height and the
  // colours. With a sphere renderer it renders the shaded images for the area's unit; without
  // one, or when they cannot be had, the character is drawn flat.
  void Create(const Rect& area, int fontHeight, SphereImageRenderer* sphere, const AssistantColours& colours);

  // Moves the area's top-left corner to `at` and paints the character in the pose (a ten-character
  // code). In speech mode the balloon writes one page of the text at *text and advances it; in
  // onomatopoeia mode *text is written on one line and then cleared. Returns the lines written
  // in speech mode, else 0.
  int Draw(Canvas& canvas, Point at, char** text, const char* poseCode, int mode);

  const Rect& Area() const { return area_; }
  AssistantUnits Units() const { return units_; }
  int BalloonTop() const { return balloonTop_; }
  bool Shaded() const { return images_ != nullptr; }

 private:
  Point BodyCentre(const Pose& pose) const;
  void DrawLeg(Canvas& canvas, const LegPose& leg, int side, Point centre) const;
  void DrawBody(Canvas& canvas, Point centre) const;
  void DrawEye(Canvas& canvas, const EyePose& eye, int ex, int cy, const Raster* eyeImage) const;
  void DrawMouth(Canvas& canvas, const Pose& pose, Point centre) const;

  Rect area_;
  int fontHeight_ = 1;
  AssistantColours colours_;
  AssistantUnits units_;
  int balloonTop_ = 0;
  std::unique_ptr<AssistantImages> images_;
};

}  // namespace tenukiro
