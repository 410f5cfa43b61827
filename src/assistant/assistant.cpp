#include "assistant/assistant.h"

#include <algorithm>

#include "assistant/rim_blend.h"
#include "assistant/speech_balloon.h"
#include "render/screen_text_font.h"

namespace tenukiro {
namespace {

constexpr Color kEyeWhite = Rgb(255, 255, 255);
constexpr Color kPupil = Rgb(0, 0, 0);

Size SizeOf(const Raster& image) { return Size{image.width(), image.height()}; }

// Lays a shaded shape over the canvas at `at`: the mask whitens the shape's place, the image is
// then and-ed in, so that around the shape the picture stays and inside it the image shows.
void LayOver(Canvas& canvas, Point at, const Raster& mask, const Raster& image) {
  canvas.BitBlt(at, SizeOf(mask), mask, Point{}, RasterOp::kOr);
  canvas.BitBlt(at, SizeOf(image), image, Point{}, RasterOp::kAnd);
}

}  // namespace

AssistantUnits UnitsFor(int width, int height) {
  const int k = std::max(1, std::min(height / 40, width / 20));
  return AssistantUnits{k, 2 * k};
}

void CAssistant::Create(const Rect& area, int fontHeight, SphereImageRenderer* sphere,
                        const AssistantColours& colours) {
  area_ = area;
  fontHeight_ = std::max(fontHeight, 1);
  colours_ = colours;
  units_ = UnitsFor(static_cast<int>(std::min<long long>(area.Width(), INT32_MAX)),
                    static_cast<int>(std::min<long long>(area.Height(), INT32_MAX)));
  images_.reset();
  if (!sphere) return;
  auto images = std::make_unique<AssistantImages>();
  if (images->Build(*sphere, units_.U, colours.body)) images_ = std::move(images);
}

Point CAssistant::BodyCentre(const Pose& pose) const {
  const int legs = pose.leftLeg.hasLength || pose.rightLeg.hasLength ? units_.U : 0;
  return Point{static_cast<int>((static_cast<long long>(area_.left) + area_.right) / 2),
               area_.bottom - 2 * units_.U - units_.k - legs - 1};
}

int CAssistant::Draw(Canvas& canvas, Point at, char** text, const char* poseCode, int mode) {
  area_ = RectAt(at.x, at.y, static_cast<int>(area_.Width()), static_cast<int>(area_.Height()));
  const Pose pose = DecodePose(poseCode);
  const Font previousFont = canvas.font();
  canvas.SelectFont(ScreenTextFontOfHeight(fontHeight_));
  canvas.SetTextAlign(TextAlign::kLeftTop);

  const Point centre = BodyCentre(pose);
  DrawLeg(canvas, pose.leftLeg, -1, centre);
  DrawLeg(canvas, pose.rightLeg, 1, centre);
  DrawBody(canvas, centre);
  DrawEye(canvas, pose.leftEye, centre.x - 2 * units_.U, centre.y, images_ ? &images_->leftEye : nullptr);
  DrawEye(canvas, pose.rightEye, centre.x + 2 * units_.U, centre.y, images_ ? &images_->rightEye : nullptr);
  DrawMouth(canvas, pose, centre);

  const SpeechBalloon balloon(area_, units_);
  const bool speech = (mode & ASSISTANT_SPEECH) != 0;
  int lines = 0;
  if (speech) {
    balloonTop_ = balloon.Top(canvas, text ? *text : nullptr);
    balloon.Draw(canvas, balloonTop_, colours_);
  }
  if (!(mode & ASSISTANT_SILENT) && text) {
    if (speech) {
      lines = balloon.WritePage(canvas, balloonTop_, text, colours_);
    } else {
      balloon.WriteOnomatopoeia(canvas, fontHeight_, *text, colours_.onomatopoeia);
      *text = nullptr;
    }
  }
  canvas.SelectFont(previousFont);
  return lines;
}

void CAssistant::DrawLeg(Canvas& canvas, const LegPose& leg, int side, Point centre) const {
  if (leg.shape == LegShape::None) return;
  const int U = units_.U;
  const int length = leg.hasLength ? U : 0;
  const int hx = leg.hipOutward ? centre.x + side * U : centre.x;
  const int dx = leg.footLeft ? 1 - U : U - 1;
  const int top = centre.y + 2 * U + 1;
  const int foot = centre.y + 2 * U + length + 1;
  const Pen pen{colours_.external};
  switch (leg.shape) {
    case LegShape::FootOnly: {
      const Point points[] = {{hx, top}, {hx + dx, top}};
      canvas.Polyline(points, pen);
      break;
    }
    case LegShape::Slanted: {
      const Point points[] = {{hx, top}, {hx + side * U, foot}, {hx + side * U + dx, foot}};
      canvas.Polyline(points, pen);
      break;
    }
    case LegShape::KneeOut: {
      const Point points[] = {{hx, top}, {hx + side * U, centre.y + 2 * U + length / 2}, {hx, foot}, {hx + dx, foot}};
      canvas.Polyline(points, pen);
      break;
    }
    default: {
      const Point points[] = {{hx, top}, {hx, foot}, {hx + dx, foot}};
      canvas.Polyline(points, pen);
      break;
    }
  }
}

void CAssistant::DrawBody(Canvas& canvas, Point centre) const {
  const int U = units_.U;
  const int k = units_.k;
  const Point corner{centre.x - 4 * U, centre.y - 2 * U};
  if (images_) {
    // The body is composed beside the picture, its rim faded into what lies under it.
    Canvas work(images_->bodyWork);
    const Size size = SizeOf(images_->bodyWork);
    work.BitBlt(Point{}, size, canvas.raster(), corner);
    LayOver(work, Point{}, images_->bodyMask, images_->body);
    RimBlend(work, Point{}, canvas, corner, size);
    canvas.BitBlt(corner, size, images_->bodyWork, Point{});
  } else {
    canvas.Ellipse(Rect{corner.x, corner.y, centre.x + 4 * U + 1, centre.y + 2 * U + 1}, Pen{colours_.external},
                   Brush::Solid(colours_.body));
  }
  const Pen pen{colours_.external};
  const Point root{centre.x, centre.y - 2 * U};
  for (const int dx : {0, -k, k}) {
    canvas.MoveTo(root);
    canvas.LineTo(Point{centre.x + dx, centre.y - 2 * U - k}, pen);
  }
}

void CAssistant::DrawEye(Canvas& canvas, const EyePose& eye, int ex, int cy, const Raster* eyeImage) const {
  const int U = units_.U;
  const int k = units_.k;
  const Pen intern{colours_.intern};
  const auto lid = [&] {
    canvas.MoveTo(Point{ex - U, cy});
    canvas.LineTo(Point{ex + U + 1, cy}, intern);
  };
  if (eye.kind == EyeKind::None) return;
  if (eye.kind == EyeKind::Closed) {
    lid();
    return;
  }
  Point pupil{ex, cy};
  if (eye.gaze == Gaze::Left) pupil.x -= k;
  if (eye.gaze == Gaze::Up) pupil.y -= k;
  if (eye.gaze == Gaze::Right) pupil.x += k;
  if (eye.gaze == Gaze::Down) pupil.y += k;

  Rect hidden;
  if (eye.kind == EyeKind::LowerHalf) hidden = Rect{ex - U, cy - U, ex + U + 1, cy + 1};
  if (eye.kind == EyeKind::UpperHalf) hidden = Rect{ex - U, cy, ex + U + 1, cy + U + 1};
  const bool half = !hidden.IsEmpty();
  if (half) canvas.ExcludeClipRect(hidden);

  const Point pupilCorner{pupil.x - k, pupil.y - k};
  if (eyeImage) {
    LayOver(canvas, Point{ex - U, cy - U}, images_->eyeMask, *eyeImage);
    Canvas work(images_->pupilWork);
    const Size size = SizeOf(images_->pupilWork);
    work.BitBlt(Point{}, size, canvas.raster(), pupilCorner);
    LayOver(canvas, pupilCorner, images_->pupilMask, images_->pupil);
    RimBlend(canvas, pupilCorner, work, Point{}, size);
  } else {
    canvas.Ellipse(Rect{ex - U, cy - U, ex + U + 1, cy + U + 1}, intern, Brush::Solid(kEyeWhite));
    canvas.Ellipse(Rect{pupilCorner.x, pupilCorner.y, pupil.x + k + 1, pupil.y + k + 1}, Pen{kPupil},
                   Brush::Solid(kPupil));
  }
  if (!half) return;
  canvas.GiveBackClipRect(hidden);
  // The flat look closes a half eye with its lid; the shaded eye needs none.
  if (!eyeImage) lid();
}

}  // namespace tenukiro
