#include "render/board_layout.h"

#include <algorithm>

namespace tenukiro {
namespace {

// Origins far outside any window are held here, so that X0 + 20 * D never overflows.
constexpr long long kOriginLimit = 1LL << 28;

int ClampOrigin(long long value) { return static_cast<int>(std::clamp(value, -kOriginLimit, kOriginLimit)); }

int StoneRadiusFor(const SettingsRecord& settings, const LayoutInputs& in) {
  const long long wc = std::max(in.clientWidth, 0);
  // Without a screen width the window counts as full screen.
  const long long sw = in.screenWidth > 0 ? in.screenWidth : std::max(wc, 1LL);
  const long long r = wc * settings.Effective(StoneRadius) / sw;
  return static_cast<int>(std::clamp<long long>(r, 2, kMaxStoneRadius));
}

void SizeAssistant(const SettingsRecord& settings, long long cols, long long rows, BoardLayout& l) {
  if (!settings.On(Assistant)) {
    l.Aw = l.Ah = 0;
    return;
  }
  l.Hu = settings.On(AssistantCustomHeight) ? settings.Effective(AssistantHeight)
                                            : static_cast<int>(std::max<long long>(18, 2 * rows));
  l.Wu = settings.On(AssistantCustomWidth) ? settings.Effective(AssistantWidth)
                                           : static_cast<int>(std::max<long long>(18, cols));
  l.Aw = l.Wu * l.R;
  l.Ah = l.Hu * l.R;
}

long long HorizontalOrigin(const SettingsRecord& settings, const LayoutInputs& in, long long cols,
                           const BoardLayout& l) {
  const long long d = l.D;
  const long long f = static_cast<long long>(in.clientWidth) - (l.Aw + (cols + 1) * d);
  const long long shift = l.Aw - (in.view.xmin - 1) * d;
  switch (settings.Effective(GridPosition)) {
    case 1:
      return f * in.kx / 20 + shift;
    case 2:
      return f / 2 + static_cast<long long>(settings.Effective(GridX)) * l.R + shift;
    default:
      return f / 2 + shift;
  }
}

long long VerticalOrigin(const SettingsRecord& settings, const LayoutInputs& in, long long rows, int infoPitches,
                         const BoardLayout& l) {
  const long long d = l.D;
  const long long bh = (rows + 1) * d;
  const long long band = std::max<long long>(bh, l.Ah);
  const long long c = settings.On(Comment) && !settings.On(Assistant) ? 3 : 0;
  const long long g = static_cast<long long>(in.clientHeight) - (band + d * (infoPitches + c));
  const long long shift = -(in.view.ymin - 1) * d;
  switch (settings.Effective(GridPosition)) {
    case 1:
      return g * in.ky / 20 + (band - bh) + shift;
    case 2:
      return g / 2 + static_cast<long long>(settings.Effective(GridY)) * l.R + (band - bh) / 2 + shift;
    default:
      return g / 2 + (band - bh) / 2 + shift;
  }
}

// Moves a randomly placed board sideways so that the information block centred under it stays
// inside the window.
long long KeepInfoBlockInside(long long x0, const LayoutInputs& in, long long cols, long long infoWidth,
                              const BoardLayout& l) {
  if (infoWidth > in.clientWidth) return x0;
  const long long before = (in.view.xmin - 1) * static_cast<long long>(l.D);
  const long long half = (cols + 1) * l.D / 2;
  const long long centre = x0 + before + half;
  if (infoWidth / 2 > centre) return infoWidth / 2 - before - half;
  if (in.clientWidth - centre < infoWidth / 2) return in.clientWidth - infoWidth / 2 - before - half;
  return x0;
}

}  // namespace

int StarPointRadius(int R) { return R <= 7 ? 1 : R <= 14 ? 2 : 3; }

Rect BoardLayout::CellImageRect(int x, int y) const {
  const Point c = CellTopLeft(x, y);
  return RectAt(c.x, c.y, D + 1, D + 1);
}

Rect BoardLayout::AssistantArea() const { return Rect{X0 - R - Aw, Y0 - R, X0 - R, Y0 - R + Ah + 1}; }

BoardLayout ComputeLayout(const SettingsRecord& settings, const LayoutInputs& in, const InfoBlockMetrics& info,
                          const BoardLayout& previous) {
  BoardLayout l = previous;
  l.R = StoneRadiusFor(settings, in);
  l.D = 2 * l.R;
  l.Rm1 = l.R - 1;
  l.Dm1 = l.D - 1;
  l.t = StarPointRadius(l.R);
  const long long cols = static_cast<long long>(in.view.xmax) - in.view.xmin + 1;
  const long long rows = static_cast<long long>(in.view.ymax) - in.view.ymin + 1;
  SizeAssistant(settings, cols, rows, l);
  const bool informations = settings.On(Informations);
  long long x0 = HorizontalOrigin(settings, in, cols, l);
  if (settings.Effective(GridPosition) == 1 && informations && !settings.On(Assistant)) {
    x0 = KeepInfoBlockInside(x0, in, cols, info.MaxWidth(l.Rm1), l);
  }
  l.X0 = ClampOrigin(x0);
  l.Y0 = ClampOrigin(VerticalOrigin(settings, in, rows, informations ? info.LineCount() : 0, l));
  return l;
}

}  // namespace tenukiro
