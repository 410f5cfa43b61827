#pragma once

#include "assistant/assistant.h"

namespace tenukiro {

// The speech balloon that fills the assistant's area above the character, and the one-line text
// written in its place. Geometry in the area's pixels and the units k and U.
class SpeechBalloon {
 public:
  SpeechBalloon(const Rect& area, AssistantUnits units) : area_(area), units_(units) {}

  // The balloon's top edge: the area's top, or lower when the whole remaining text is short, so
  // that the balloon shrinks from the top and keeps its bottom edge.
  int Top(const Canvas& canvas, const char* text) const;
  // The rounded balloon from its top edge down to above the character.
  void Draw(Canvas& canvas, int top, const AssistantColours& colours) const;
  // Writes one page of *cursor into the balloon; returns the lines written.
  int WritePage(Canvas& canvas, int top, char** cursor, const AssistantColours& colours) const;

  // Writes the whole text on one line, centred, just above the character.
  void WriteOnomatopoeia(Canvas& canvas, int fontHeight, const char* text, Color colour) const;

 private:
  Rect Outline(int top) const;
  Rect TextRect(int top) const;

  Rect area_;
  AssistantUnits units_;
};

}  // namespace tenukiro
