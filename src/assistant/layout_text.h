#pragma once

#include <limits>

#include "render/canvas.h"

namespace tenukiro {

// How LayoutText places each line between the rectangle's left and right edges.
enum TextAlignment : int { TEXT_LEFT = 0, TEXT_RIGHT = 1, TEXT_CENTER = 2, TEXT_JUSTIFY = 3 };

// Writes one page of the text at *cursor into rect with the canvas' font, colours and background
// mode, wrapped at separators and between wide (CJK) characters; returns the number of lines written and leaves *cursor at the first
// non-separator byte after the page (at the NUL when the text is used up). Separators are the
// bytes 0x01 to 0x20; every line feed it scans becomes a carriage return in the text itself.
// The first line of a page is always written, so every page makes progress. A null or empty
// text writes nothing and returns 0.
int LayoutText(Canvas& canvas, char** cursor, const Rect& rect, int alignment);

// The height LayoutText's lines and blank lines take for the whole of `text` in lines `width`
// pixels wide, as if the rectangle had no bottom; the measure stops as soon as it reaches `limit`
// and then answers a height of at least `limit`. The text is left unchanged.
long long LayoutTextHeight(const Canvas& canvas, const char* text, int width,
                           long long limit = std::numeric_limits<long long>::max());

}  // namespace tenukiro
