#include "show/snapshot.h"

#include "assistant/game_info.h"
#include "assistant/show_surroundings.h"
#include "render/board_renderer.h"

namespace tenukiro {
namespace {

ShownPosition PositionOf(const LoadedRecord& record) {
  return ShownPosition{record.GetBoard(), record.State(), record.Player()};
}

// Walks the record as the show's next-position state does: a new game tree is refreshed whole,
// any other step is committed and redrawn incrementally (here into an empty picture).
void PlayTo(LoadedRecord& record, BoardRenderer& renderer, std::int64_t step) {
  Raster nowhere;
  Canvas scratch(nowhere);
  renderer.RefreshDisplayGrid(PositionOf(record));
  for (std::int64_t i = 0; i < step; ++i) {
    const LoadedRecord::Step next = record.NextStep();
    if (next.kind == LoadedRecord::StepKind::End) return;
    if (next.kind == LoadedRecord::StepKind::NewGame) {
      record.ApplyStep(next);
      renderer.RefreshDisplayGrid(PositionOf(record));
    } else {
      renderer.CommitDisplay();
      record.ApplyStep(next);
      renderer.RedrawChanged(scratch, PositionOf(record));
    }
  }
}

}  // namespace

Raster RenderSnapshot(LoadedRecord& record, const SettingsRecord& settings, const SnapshotRequest& request,
                      const PatternPaths& patterns, SphereImageRenderer* sphere) {
  Raster frame(request.clientWidth, request.clientHeight);
  if (frame.empty()) return frame;
  BoardRenderer renderer(settings, patterns, sphere);
  PlayTo(record, renderer, request.step);
  // The picture around the board is drawn for the position reached, as a fresh show window
  // paints it.
  const TextEncoding encoding = TextEncoding::OfGame(record.Collection().CurrentRoot());
  CGameInfo gameInfo;
  gameInfo.SetInfo(record.State().gameInfo, encoding);
  ShowSurroundings surroundings(settings, renderer, gameInfo, sphere);
  surroundings.Show(&record);
  renderer.SetSurroundings(&surroundings);
  LayoutInputs in;
  in.clientWidth = request.clientWidth;
  in.clientHeight = request.clientHeight;
  in.screenWidth = request.screenWidth > 0 ? request.screenWidth : request.clientWidth;
  in.view = record.State().view;
  renderer.SetLayout(ComputeLayout(settings, in, gameInfo));
  Canvas canvas(frame);
  canvas.SetTextEncoding(encoding);
  canvas.ClearRect(frame.Bounds(), static_cast<Color>(settings.Effective(ScreenBackgroundColor)));
  renderer.DrawFullFrame(canvas);
  return frame;
}

Raster RenderSnapshotFile(const std::string& path, SettingsRecord& settings, const SnapshotRequest& request,
                          const PatternPaths& patterns, SphereImageRenderer* sphere) {
  LoadedRecord record(path, settings);
  return RenderSnapshot(record, settings, request, patterns, sphere);
}

}  // namespace tenukiro
