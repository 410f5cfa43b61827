#include "assistant/speech_balloon.h"

#include "assistant/layout_text.h"

namespace tenukiro {

Rect SpeechBalloon::Outline(int top) const {
  const int k = units_.k;
  return Rect{area_.left + k, top + k, area_.right - k + 1, area_.bottom - k - 6 * units_.U + 1};
}

Rect SpeechBalloon::TextRect(int top) const { return Inflate(Outline(top), -units_.U); }

int SpeechBalloon::Top(const Canvas& canvas, const char* text) const {
  if (!text || *text == '\0') return area_.top;
  const Rect textRect = TextRect(area_.top);
  const long long g = static_cast<long long>(area_.bottom) - 9LL * units_.U;
  const long long room = g - area_.top - 1;
  const long long f = LayoutTextHeight(canvas, text, static_cast<int>(std::max(textRect.Width(), 0LL)), room);
  return f < room ? static_cast<int>(g - f - 1) : area_.top;
}

void SpeechBalloon::Draw(Canvas& canvas, int top, const AssistantColours& colours) const {
  canvas.RoundRect(Outline(top), units_.U, units_.U, Pen{colours.text}, Brush::Solid(colours.balloon));
}

int SpeechBalloon::WritePage(Canvas& canvas, int top, char** cursor, const AssistantColours& colours) const {
  canvas.SetTextColor(colours.text);
  canvas.SetBkColor(colours.balloon);
  canvas.SetBkMode(BkMode::kOpaque);
  // A word wider than the balloon, or a first line lower than it, stays inside the outline.
  const ClipRegion saved = canvas.clip();
  canvas.IntersectClipRect(Inflate(Outline(top), -1));
  const int lines = LayoutText(canvas, cursor, TextRect(top), TEXT_LEFT);
  canvas.SetClip(saved);
  return lines;
}

void SpeechBalloon::WriteOnomatopoeia(Canvas& canvas, int fontHeight, const char* text, Color colour) const {
  if (!text) return;
  const int k = units_.k;
  const int above = area_.bottom - 6 * units_.U - k;
  Rect line{area_.left + k, above - fontHeight, area_.right - k + 1, above + 1};
  canvas.SetTextColor(colour);
  canvas.SetBkMode(BkMode::kTransparent);
  canvas.DrawText(text, line, kDtCenter);
}

}  // namespace tenukiro
