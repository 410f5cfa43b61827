#include "assistant/show_surroundings.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "assistant/layout_text.h"
#include "render/screen_text_font.h"

namespace tenukiro {
namespace {

// Positions beyond these are far off any picture; holding them here keeps every sum in range.
constexpr long long kFarPixels = 1LL << 28;
constexpr long long kFarPoints = 1LL << 20;

int Clamped(long long value, long long limit) { return static_cast<int>(std::clamp(value, -limit, limit)); }

// A count of half units rounded away from zero: the point whose cell holds that edge.
long long HalfUnits(long long a) { return a > 0 ? (a + 1) / 2 : -((1 - a) / 2); }

long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

PointBox Union(const PointBox& a, const PointBox& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return PointBox{std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

bool HoldsText(const char* cursor) { return cursor && *cursor != '\0'; }

bool NoPose(const char* pose) { return std::strcmp(pose, kNoPose) == 0; }

}  // namespace

ShowSurroundings::ShowSurroundings(const SettingsRecord& settings, const BoardRenderer& board, CGameInfo& gameInfo,
                                   SphereImageRenderer* sphere)
    : settings_(settings), board_(board), gameInfo_(gameInfo), sphere_(sphere) {}

void ShowSurroundings::Show(LoadedRecord* record) {
  record_ = record;
  continueComment_ = false;
  written_ = WrittenPage{};
  previousBox_ = PointBox{};
  pageStart_ = nullptr;
  pageText_ = nullptr;
}

WrittenPage ShowSurroundings::TakeWrittenPage() { return std::exchange(written_, WrittenPage{}); }

void ShowSurroundings::Prepare(const BoardLayout& layout) {
  const auto colour = [&](SettingId id) { return static_cast<Color>(settings_.Effective(id)); };
  const AssistantColours colours{colour(AssistantBodyColor), colour(AssistantInternColor),
                                 colour(AssistantExternColor), colour(AssistantOnomatopeiaColor),
                                 colour(AssistantTextColor), colour(AssistantBalloonColor)};
  assistant_.Create(layout.AssistantArea(), ScreenTextHeight(layout.Rm1), settings_.On(With3DEffect) ? sphere_ : nullptr,
                    colours);
}

void ShowSurroundings::DrawFullFrame(Canvas& canvas) {
  if (!record_) return;
  if (settings_.On(Informations)) DrawInformation(canvas);
  if (settings_.On(Assistant)) {
    DrawAssistant(canvas, true);
  } else if (settings_.On(Comment)) {
    DrawCommentBox(canvas, true);
  }
}

void ShowSurroundings::RedrawChanged(Canvas& canvas, std::vector<Rect>& changed) {
  if (!record_) return;
  if (settings_.On(Informations) && gameInfo_.ChangedSinceSnapshot()) changed.push_back(DrawInformation(canvas));
  DrawNextPage(canvas, changed);
}

void ShowSurroundings::DrawNextPage(Canvas& canvas, std::vector<Rect>& changed) {
  if (!record_) return;
  if (settings_.On(Assistant)) {
    Recompose(canvas, changed);
  } else if (settings_.On(Comment)) {
    changed.push_back(DrawCommentBox(canvas, false));
  }
}

void ShowSurroundings::CommitDisplay() {
  if (record_) previousBox_ = AssistantBox();
  gameInfo_.CommitSnapshot();
}

bool ShowSurroundings::OwnsPoint(int x, int y) const {
  return record_ && (AssistantBox().Contains(x, y) || previousBox_.Contains(x, y));
}

Rect ShowSurroundings::DrawInformation(Canvas& canvas) const {
  const Rect written = gameInfo_.Draw(canvas, board_.Layout(), record_->State().view,
                                      static_cast<Color>(settings_.Effective(ScreenTextColor)),
                                      static_cast<Color>(settings_.Effective(ScreenBackgroundColor)));
  return Intersect(written, canvas.raster().Bounds());
}

void ShowSurroundings::RewindComment(bool fullFrame) {
  AnnotationState& position = record_->State();
  if (!continueComment_) {
    position.commentCursor = position.commentText;
  } else if (fullFrame && pageStart_ && pageText_ == position.commentText) {
    // A repaint shows the page on screen again rather than skipping it.
    position.commentCursor = pageStart_;
  }
  pageStart_ = position.commentCursor;
  pageText_ = position.commentText;
}

Point ShowSurroundings::AssistantOrigin() const {
  const BoardLayout& l = board_.Layout();
  const AnnotationState& position = record_->State();
  const long long x = l.X0 + static_cast<long long>(l.R) * (2LL * position.view.xmin + position.assistantDx - l.Wu - 1);
  const long long y = l.Y0 + static_cast<long long>(l.R) * (2LL * position.view.ymax - l.Hu + position.assistantDy + 1);
  return Point{Clamped(x, kFarPixels), Clamped(y, kFarPixels)};
}

PointBox ShowSurroundings::AssistantBox() const {
  const BoardLayout& l = board_.Layout();
  const AnnotationState& position = record_->State();
  const long long right = 2LL * position.view.xmin - 1 + position.assistantDx;
  const long long bottom = 2LL * position.view.ymax + 1 + position.assistantDy;
  return PointBox{Clamped(HalfUnits(right - l.Wu), kFarPoints), Clamped(HalfUnits(bottom - l.Hu), kFarPoints),
                  Clamped(HalfUnits(right), kFarPoints), Clamped(HalfUnits(bottom), kFarPoints)};
}

void ShowSurroundings::DrawAssistant(Canvas& canvas, bool fullFrame) {
  AnnotationState& position = record_->State();
  RewindComment(fullFrame);
  const Point at = AssistantOrigin();
  if (HoldsText(position.commentCursor)) {
    const char* pose = NoPose(position.poseCode) ? kTalkingPose : position.poseCode;
    const int lines = assistant_.Draw(canvas, at, &position.commentCursor, pose, ASSISTANT_SPEECH);
    written_ = WrittenPage{WrittenPage::Place::Balloon, lines, HoldsText(position.commentCursor)};
    return;
  }
  const SgfNode* node = record_->Collection().Cursor();
  const SgfProperty* xo = settings_.On(SgfPriority) && node ? node->FindProperty(PROP_XO) : nullptr;
  char* said = xo && xo->FirstValue() ? xo->FirstValue()->MutableText() : nullptr;
  const bool posed = !NoPose(position.poseCode);
  char snoring[] = "zzzzz!";
  if (!posed && !said) said = snoring;
  const int mode = posed && !said ? ASSISTANT_SILENT : ASSISTANT_ONOMATOPOEIA;
  assistant_.Draw(canvas, at, &said, posed ? position.poseCode : kSleepingPose, mode);
  position.commentCursor = nullptr;
  written_ = WrittenPage{WrittenPage::Place::Balloon, 0, false};
}

PointBox ShowSurroundings::VisiblePart(const PointBox& box, const Raster& picture) const {
  // A cell image spans (X0 + x D - R) .. (X0 + x D + R) inclusive; points beyond the picture
  // by more than that draw nothing.
  const BoardLayout& l = board_.Layout();
  const long long x1 = FloorDiv(-l.X0 - l.R - 1, l.D);
  const long long x2 = FloorDiv(static_cast<long long>(picture.width()) - l.X0 + l.R, l.D) + 1;
  const long long y1 = FloorDiv(-l.Y0 - l.R - 1, l.D);
  const long long y2 = FloorDiv(static_cast<long long>(picture.height()) - l.Y0 + l.R, l.D) + 1;
  return PointBox{static_cast<int>(std::max<long long>(box.x1, x1)), static_cast<int>(std::max<long long>(box.y1, y1)),
                  static_cast<int>(std::min<long long>(box.x2, x2)), static_cast<int>(std::min<long long>(box.y2, y2))};
}

void ShowSurroundings::Recompose(Canvas& canvas, std::vector<Rect>& changed) {
  const Raster& screen = canvas.raster();
  if (offscreen_.width() != screen.width() || offscreen_.height() != screen.height()) {
    offscreen_ = Raster(screen.width(), screen.height());
  }
  Canvas composed(offscreen_);
  composed.SetTextEncoding(canvas.textEncoding());
  const PointBox box = VisiblePart(Union(AssistantBox(), previousBox_), screen);
  const PointBox around = VisiblePart(PointBox{box.x1 - 1, box.y1 - 1, box.x2 + 1, box.y2 + 1}, screen);
  const PointBox view = board_.View();
  for (int x = around.x1; x <= around.x2; ++x) {
    for (int y = around.y1; y <= around.y2; ++y) {
      if (view.Contains(x, y)) {
        board_.DrawPoint(composed, x, y);
      } else {
        board_.DrawFrameCell(composed, x, y);
      }
    }
  }
  if (settings_.On(Informations) && box.y2 >= view.y2) DrawInformation(composed);
  DrawAssistant(composed, false);
  if (box.IsEmpty()) return;
  // The box's cells, and the first column and row beyond them: the seams there belong to the
  // next cells but follow what the box's points show.
  const BoardLayout& l = board_.Layout();
  const Point corner = l.CellTopLeft(box.x1, box.y1);
  const Rect copy = Intersect(
      RectAt(corner.x, corner.y, (box.x2 - box.x1 + 1) * l.D + 1, (box.y2 - box.y1 + 1) * l.D + 1), screen.Bounds());
  if (copy.IsEmpty()) return;
  canvas.BitBlt(Point{copy.left, copy.top}, Size{static_cast<int>(copy.Width()), static_cast<int>(copy.Height())},
                offscreen_, Point{copy.left, copy.top});
  changed.push_back(copy);
}

Rect ShowSurroundings::DrawCommentBox(Canvas& canvas, bool fullFrame) {
  AnnotationState& position = record_->State();
  RewindComment(fullFrame);
  const BoardLayout& l = board_.Layout();
  const ViewRectangle& view = position.view;
  const Color back = static_cast<Color>(settings_.Effective(ScreenBackgroundColor));
  const long long lines = settings_.On(Informations) ? gameInfo_.GetLineCount() : 0;
  const Rect box{Clamped(static_cast<long long>(l.D) * (view.xmin - 1) + l.X0 + l.R - 1, kFarPixels),
                 Clamped(l.Y0 + l.D * (lines + view.ymax) + l.R + 1, kFarPixels),
                 Clamped(static_cast<long long>(l.D) * (view.xmax + 1) + l.X0 - l.R + 1, kFarPixels),
                 canvas.height() + 1};
  canvas.FillRect(box, back);
  if (HoldsText(position.commentCursor)) {
    canvas.SelectFont(ScreenTextFont(l.Rm1));
    canvas.SetTextColor(static_cast<Color>(settings_.Effective(ScreenTextColor)));
    canvas.SetBkColor(back);
    canvas.SetBkMode(BkMode::kOpaque);
    canvas.SetTextAlign(TextAlign::kLeftTop);
    // A word wider than the box stays inside it, where the next page clears it away.
    const ClipRegion saved = canvas.clip();
    canvas.IntersectClipRect(box);
    const int written = LayoutText(canvas, &position.commentCursor, Inflate(box, fullFrame ? -1 : -2), TEXT_JUSTIFY);
    canvas.SetClip(saved);
    written_ = WrittenPage{WrittenPage::Place::Box, written, HoldsText(position.commentCursor)};
  }
  return Intersect(box, canvas.raster().Bounds());
}

}  // namespace tenukiro
