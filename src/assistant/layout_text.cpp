#include "assistant/layout_text.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>

namespace tenukiro {
namespace {

bool IsSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x01 && byte <= 0x20;
}

// Han, kana, hangul and full-width forms are written without spaces between words: a line may
// end before or after any of them.
bool IsWide(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

// Wide marks that close a phrase stay at the end of the line before them; opening ones stay with
// what follows.
bool IsClosingMark(char32_t c) {
  constexpr std::u32string_view kClosing = U"\u3001\u3002\u3009\u300B\u300D\u300F\u3011\u3015\u3017\u3019"
                                           U"\uFF01\uFF09\uFF0C\uFF0E\uFF1A\uFF1B\uFF1F\uFF3D\uFF5D";
  return kClosing.find(c) != std::u32string_view::npos;
}
bool IsOpeningMark(char32_t c) {
  constexpr std::u32string_view kOpening = U"\u3008\u300A\u300C\u300E\u3010\u3014\u3016\u3018\uFF08\uFF3B\uFF5B";
  return kOpening.find(c) != std::u32string_view::npos;
}

// Whether a line may end between two characters that no separator parts.
bool MayBreakBetween(char32_t before, char32_t after) {
  return (IsWide(before) || IsWide(after)) && !IsOpeningMark(before) && !IsClosingMark(after);
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

// A stretch of text that a line break may not cut.
struct Word {
  char* end = nullptr;            // the first separator or NUL after it, or the next wide character
  char* lastCharacter = nullptr;  // where its last character starts
  bool endsWide = false;          // its last character is a wide one
};

// Breaks text into lines of a width, word by word, and walks the lines of one page.
class LineBreaker {
 public:
  LineBreaker(const Canvas& canvas, int width)
      : canvas_(canvas), width_(width), reader_(canvas.textEncoding()) {}

  int Width(const char* from, const char* to) const {
    return to > from ? canvas_.GetTextExtent(std::string_view(from, static_cast<size_t>(to - from))).width : 0;
  }

  // The line starting at `start`, a non-separator byte or the text's NUL.
  Line Break(char* start) {
    char* e = start;
    bool accepted = false;
    for (;;) {
      const Word word = NextWord(e);
      char* p = word.end;
      // The candidate line without its last letter must be narrower than the line; a wide
      // character, which no space follows, must fit whole.
      const bool fits = word.endsWide ? Width(start, p) <= width_ : Width(start, word.lastCharacter) < width_;
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
  int Page(char*& q, long long& y, long long bottom, WriteLine&& write) {
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
  // The word after e, which starts at a separator, a word's first character or the text's NUL.
  // Its end is the first separator or NUL at least one character on, or a place between wide
  // characters where a line may break. A line feed found at the end becomes a carriage return.
  Word NextWord(char* e) {
    Word word{e, e};
    if (*e == '\0') return word;
    char* p = e;
    char32_t previous = 0;
    do {
      const DecodedCharacter c = reader_.Read(std::string_view(p, strnlen(p, kLongestCharacter)));
      if (p != e && MayBreakBetween(previous, c.code)) break;
      word.lastCharacter = p;
      word.endsWide = IsWide(c.code);
      previous = c.code;
      p += c.length;
    } while (*p != '\0' && !IsSeparator(*p));
    if (*p == '\n') *p = '\r';
    word.end = p;
    return word;
  }

  static Line Finished(char* start, char* end, bool justified) {
    char* textEnd = end;
    while (textEnd > start && textEnd[-1] == ' ') --textEnd;
    return Line{start, end, textEnd, justified};
  }

  // Longer than any character of any charset (GB18030 takes four bytes).
  static constexpr size_t kLongestCharacter = 8;

  const Canvas& canvas_;
  int width_;
  CharacterReader reader_;
};

int ClampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

int LayoutText(Canvas& canvas, char** cursor, const Rect& rect, int alignment) {
  if (!cursor || !*cursor || **cursor == '\0') return 0;
  const int width = ClampToInt(rect.Width());
  LineBreaker breaker(canvas, width);
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
  LineBreaker breaker(canvas, width);
  // A page goes on while its next line starts above bottom - h: here, above the limit.
  const long long h = canvas.GetTextExtent(" ").height;
  const long long bottom = limit > LLONG_MAX - h ? LLONG_MAX : limit + h;
  long long y = 0;
  breaker.Page(q, y, bottom, [](const Line&, long long) {});
  return y;
}

}  // namespace tenukiro
