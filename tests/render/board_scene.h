#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "render/board_renderer.h"
#include "replay/loaded_record.h"

namespace tenukiro::testing {

inline constexpr Color kBoard = Rgb(255, 170, 85);
inline constexpr Color kLine = Rgb(0, 0, 0);
inline constexpr Color kScreen = Rgb(0, 0, 128);
inline constexpr Color kBlackStone = Rgb(20, 20, 20);
inline constexpr Color kWhiteStone = Rgb(250, 250, 250);

using SettingList = std::initializer_list<std::pair<SettingId, int32_t>>;

// A layout with cell (0, 0) at the raster's top-left corner.
BoardLayout FixedLayout(int R);

// A record played in show order with its board drawn on a raster of its own, the coordinate
// cells included. Distinct colours for screen, board, lines and both stones; other settings at
// their defaults unless given.
class BoardScene {
 public:
  BoardScene(std::string_view sgf, SettingList settings = {}, int R = 8,
             BoardSurroundings* surroundings = nullptr, PatternPaths patterns = {},
             SphereImageRenderer* sphere = nullptr);

  ShownPosition Position() const;
  // One show step: a full refresh for a new game tree, else commit, apply and redraw. False at
  // the end of the record.
  bool Step();
  void PlayToEnd();
  // Clears the raster to the screen colour and draws the full frame.
  void DrawFull();

  Point Centre(int x, int y) const { return renderer.Layout().PointCentre(x, y); }
  Color Pixel(int x, int y) const { return raster.GetPixel(x, y); }
  Color PixelAtCentre(int x, int y, int dx = 0, int dy = 0) const;
  int R() const { return renderer.Layout().R; }

  SettingsRecord settings;
  std::unique_ptr<LoadedRecord> record;
  BoardRenderer renderer;
  Raster raster;
  std::vector<Rect> lastChanged;
  LoadedRecord::StepKind lastKind = LoadedRecord::StepKind::End;
};

// The pixels of a rectangle as text, one line per row: '.' board, '#' line, ' ' screen, 'B' and
// 'W' the stone colours, '?' anything else.
std::string CellMap(const Raster& raster, const Rect& area);

}  // namespace tenukiro::testing
