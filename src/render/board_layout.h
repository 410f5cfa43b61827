#pragma once

#include "render/geometry.h"
#include "render/info_block_metrics.h"
#include "replay/annotation_state.h"
#include "settings/settings_record.h"

namespace tenukiro {

// Where the board and the assistant sit in the window, in whole pixels. The centre of board
// point (x, y) is (X0 + x * D, Y0 + y * D); its cell is the D x D square around it.
struct BoardLayout {
  int R = 2;         // stone radius, at least 2
  int D = 4;         // grid pitch, 2R
  int Rm1 = 1;       // R - 1
  int Dm1 = 3;       // 2R - 1
  int t = 1;         // star-point radius
  int X0 = 0;
  int Y0 = 0;
  int Wu = 18;       // assistant size in units of R; kept while the assistant is off
  int Hu = 18;
  int Aw = 0;        // assistant size in pixels, 0 while the assistant is off
  int Ah = 0;

  Point PointCentre(int x, int y) const { return Point{X0 + x * D, Y0 + y * D}; }
  Point CellTopLeft(int x, int y) const { return Point{X0 + x * D - R, Y0 + y * D - R}; }
  // The cell of (x, y) widened by one column and one row, as a cell image covers it.
  Rect CellImageRect(int x, int y) const;
  // The rectangle handed to the assistant.
  Rect AssistantArea() const;

  friend bool operator==(const BoardLayout&, const BoardLayout&) = default;
};

// Stone radii above this are cut down: no raster holds even one such cell, and every point
// coordinate then stays far inside the int range.
inline constexpr int kMaxStoneRadius = 16384;

struct LayoutInputs {
  int clientWidth = 0;
  int clientHeight = 0;
  int screenWidth = 0;  // the primary screen; 0 or less is taken as the client width
  ViewRectangle view;
  int kx = 10;          // board placement numbers 0..20 of the show
  int ky = 10;
};

// Lays out the picture for a window. `previous` supplies the assistant's units while the
// assistant is off.
BoardLayout ComputeLayout(const SettingsRecord& settings, const LayoutInputs& in, const InfoBlockMetrics& info,
                          const BoardLayout& previous = {});

// Star-point radius for a stone radius.
int StarPointRadius(int R);

}  // namespace tenukiro
