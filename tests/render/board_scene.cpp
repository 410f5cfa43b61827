#include "board_scene.h"

#include <map>

#include "render/star_points.h"

namespace tenukiro::testing {
namespace {

SettingsRecord MakeSettings(SettingList list) {
  SettingsRecord s;
  s.SetRegistryValue(ScreenBackgroundColor, static_cast<int32_t>(kScreen));
  s.SetRegistryValue(BlackColor, static_cast<int32_t>(kBlackStone));
  s.SetRegistryValue(WhiteColor, static_cast<int32_t>(kWhiteStone));
  for (const auto& [id, value] : list) s.SetRegistryValue(id, value);
  return s;
}

}  // namespace

BoardLayout FixedLayout(int R) {
  BoardLayout l;
  l.R = R;
  l.D = 2 * R;
  l.Rm1 = R - 1;
  l.Dm1 = 2 * R - 1;
  l.t = StarPointRadius(R);
  l.X0 = l.Y0 = R;
  return l;
}

BoardScene::BoardScene(std::string_view sgf, SettingList list, int R, BoardSurroundings* surroundings,
                       PatternPaths patterns, SphereImageRenderer* sphere)
    : settings(MakeSettings(list)),
      record(std::make_unique<LoadedRecord>(SgfText(sgf), settings)),
      renderer(settings, std::move(patterns), sphere, surroundings) {
  renderer.SetLayout(FixedLayout(R));
  const int side = (record->GetBoard().ColumnsPlus1() + 1) * 2 * R + 1;
  raster = Raster(side, side, kScreen);
  renderer.RefreshDisplayGrid(Position());
}

ShownPosition BoardScene::Position() const {
  return ShownPosition{record->GetBoard(), record->State(), record->Player()};
}

bool BoardScene::Step() {
  const LoadedRecord::Step next = record->NextStep();
  lastKind = next.kind;
  if (next.kind == LoadedRecord::StepKind::End) return false;
  Canvas canvas(raster);
  if (next.kind == LoadedRecord::StepKind::NewGame) {
    record->ApplyStep(next);
    renderer.RefreshDisplayGrid(Position());
    DrawFull();
    return true;
  }
  renderer.CommitDisplay();
  record->ApplyStep(next);
  lastChanged = renderer.RedrawChanged(canvas, Position());
  return true;
}

void BoardScene::PlayToEnd() {
  while (Step()) {
  }
}

void BoardScene::DrawFull() {
  Canvas canvas(raster);
  canvas.FillRect(raster.Bounds(), kScreen);
  renderer.DrawFullFrame(canvas);
}

Color BoardScene::PixelAtCentre(int x, int y, int dx, int dy) const {
  const Point c = Centre(x, y);
  return raster.GetPixel(c.x + dx, c.y + dy);
}

std::string CellMap(const Raster& raster, const Rect& area) {
  static const std::map<Color, char> kSymbols = {
      {kBoard, '.'}, {kLine, '#'}, {kScreen, ' '}, {kBlackStone, 'B'}, {kWhiteStone, 'W'}};
  std::string out;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const auto it = kSymbols.find(raster.GetPixel(x, y));
      out += it == kSymbols.end() ? '?' : it->second;
    }
    out += '\n';
  }
  return out;
}

}  // namespace tenukiro::testing
