#include "assistant/layout_text.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>

namespace tenukiro {
namespace {

bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x01 && byte <= 0x20;
}

char* SkipSeparators(char* p) {
  while (IsSeparator(*p)) ++p;
  return p;
}

// One line as the breaking found it.
struct Line {
  char* start = nullptr;
  char* end = nullptr;      // where the line was broken; what follows decides the blank lines
  char* textEnd = nullptr;  // end less the spaces before it: what is written
  bool justified = false;   // neither a paragraph's last line nor a lone overlong word
};

// Breaks text into lines of a width, word by word, and walks the lines of one page.
class LineBreaker {
 public:
  LineBreaker(const Canvas& canvas, int width) : canvas_(canvas), width_(width) {}

  int Width(const char* from, const char* to) const {
    return to > from ? canvas_.GetTextExtent(std::string_view(from, static_cast<size_t>(to - from))).width : 0;
  }

  // The line starting at `start`, a non-separator byte or the text's NUL.
  Line Break(char* start) const {
    char* e = start;
    bool accepted = false;
    for (;;) {
      char* p = NextWordEnd(e);
      // The candidate line without its last character must be narrower than the line.
      const bool fits = Width(start, p - 1) < width_;
      const bool paragraphEnds = *p == '\0' || *p == '\r';
      if (fits && !paragraphEnds) {
        e = p;
        accepted = true;
        continue;
      }
      if (!fits && accepted) return Finished(start, e, true);
      // It fits and ends its paragraph, or it is a lone word wider than the line.
      return Finished(start, p, false);
    }
  }

  // Writes the lines of one page from *q; y advances by a line height per line and blank line.
  template <typename WriteLine>
  int Page(char*& q, long long& y, long long bottom, WriteLine&& write) const {
    const long long h = canvas_.GetTextExtent(" ").height;
    int lines = 0;
    do {
      const Line line = Break(SkipSeparators(q));
      write(line, y);
      ++lines;
      y += h;
      q = line.end;
      if (*q != '\0' && q[1] == '\r') {
        long long run = 0;
        while (q[1] == '\r') {
          ++q;
          ++run;
        }
        y += run * h;
      }
    } while (*q != '\0' && y < bottom - h);
    q = SkipSeparators(q);
    return lines;
  }

 private:
  // The end of the word after e: the first separator or NUL at least one byte on (e itself when
  // it is the NUL). A line feed found there becomes a carriage return.
  static char* NextWordEnd(char* e) {
    if (*e == '\0') return e;
    char* p = e + 1;
    while (*p != '\0' && !IsSeparator(*p)) ++p;
    if (*p == '\n') *p = '\r';
    return p;
  }

  static Line Finished(char* start, char* end, bool justified) {
    char* textEnd = end;
    while (textEnd > start && textEnd[-1] == ' ') --textEnd;
    return Line{start, end, textEnd, justified};
  }

  const Canvas& canvas_;
  int width_;
};

int ClampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

int LayoutText(Canvas& canvas, char** cursor, const Rect& rect, int alignment) {
  if (!cursor || !*cursor || **cursor == '\0') return 0;
  const int width = ClampToInt(rect.Width());
  const LineBreaker breaker(canvas, width);
  long long y = rect.top;
  const int lines = breaker.Page(*cursor, y, rect.bottom, [&](const Line& line, long long top) {
    const std::string_view text(line.start, static_cast<size_t>(line.textEnd - line.start));
    // A line at the end of the text is measured as one space.
    const int w = *line.start == '\0' ? canvas.GetTextExtent(" ").width : breaker.Width(line.start, line.textEnd);
    long long x = rect.left;
    if (alignment == TEXT_RIGHT) x = static_cast<long long>(rect.right) - w;
    if (alignment == TEXT_CENTER) x = (static_cast<long long>(rect.right) + rect.left - w) / 2;
    if (alignment == TEXT_JUSTIFY && line.justified) {
      canvas.SetTextJustification(width - w, static_cast<int>(std::count(text.begin(), text.end(), ' ')));
    }
    canvas.TextOut(ClampToInt(x), ClampToInt(top), text);
    canvas.SetTextJustification(0, 0);
  });
  return lines;
}

long long LayoutTextHeight(const Canvas& canvas, const char* text, int width, long long limit) {
  if (!text || *text == '\0') return 0;
  std::string copy(text);
  char* q = copy.data();
  const LineBreaker breaker(canvas, width);
  // A page goes on while its next line starts above bottom - h: here, above the limit.
  const long long h = canvas.GetTextExtent(" ").height;
  const long long bottom = limit > LLONG_MAX - h ? LLONG_MAX : limit + h;
  long long y = 0;
  breaker.Page(q, y, bottom, [](const Line&, long long) {});
  return y;
}

}  // namespace tenukiro
