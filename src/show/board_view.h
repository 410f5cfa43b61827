#pragma once

#include <string>
#include <vector>

#include "render/board_layout.h"
#include "render/canvas.h"
#include "render/display_grid.h"
#include "render/sphere_image_renderer.h"
#include "replay/loaded_record.h"
#include "settings/profile.h"
#include "settings/settings_record.h"

namespace tenukiro {

// The show's picture of the board: layout, what every point shows now and showed
// before the last step, and the cell images, drawn on the window's surface.
class BoardView {
 public:
  BoardView(const Profile& profile, std::string programDirectory, SphereImageRenderer* spheres);

  void ComputeLayout(const SettingsRecord& settings, Size client, Size screen, int kx, int ky,
                     const LoadedRecord& record);
  // Takes every point's look from the position, as at the start of a game.
  void Refresh(const LoadedRecord& record, const SettingsRecord& settings);
  // Remembers what is on screen before the next step changes it.
  void Commit();
  void DrawFullFrame(Canvas& canvas, const LoadedRecord& record, const SettingsRecord& settings);
  // Draws the points whose look changed; returns the rectangles drawn.
  std::vector<Rect> RedrawChanged(Canvas& canvas, const LoadedRecord& record, const SettingsRecord& settings);

  const BoardLayout& Layout() const { return layout_; }
  const DisplayGrid& Grid() const { return grid_; }

 private:
  std::string programDirectory_;
  SphereImageRenderer* spheres_;
  BoardLayout layout_;
  DisplayGrid grid_;
  DisplayGrid previous_;
};

}  // namespace tenukiro
