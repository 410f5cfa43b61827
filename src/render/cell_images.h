#pragma once

#include <memory>
#include <string>

#include "render/cell_image.h"
#include "render/sphere_image_renderer.h"
#include "settings/profile.h"
#include "settings/settings_record.h"

namespace tenukiro {

// The three prepared images of the non-flat looks, each (2R + 1) pixels square: copied with its
// top-left at the cell's top-left, one covers the cell plus the first column and row of the
// next cells. A missing image means that thing is drawn flat.
struct CellImages {
  std::unique_ptr<CellImage> black;
  std::unique_ptr<CellImage> white;
  std::unique_ptr<CellImage> emptyPoint;  // the board under an empty point
};

// Cell images larger than this are not made: such a radius only comes from a window far wider
// than the screen, and the flat look draws it without the memory.
inline constexpr int kMaxCellImageSide = 2049;

// The pattern bitmaps: the profile's names as they are when absolute, else looked for in the
// user's data folder, beside the program and in the installed data folder, in that order.
struct PatternPaths {
  std::string background;
  std::string blackStones;
  std::string whiteStones;
};
PatternPaths PatternPathsFor(const Profile& profile, const std::string& programDirectory);

// Builds the images for the look the settings ask for: none for the flat look; spheres (from
// `sphere`, which may be null) for the three-dimensional one; pattern files, with spheres and
// then the flat look as fallbacks, for custom patterns.
CellImages BuildCellImages(const SettingsRecord& settings, int R, const PatternPaths& patterns,
                           SphereImageRenderer* sphere);

// The sphere image of one stone colour into a (2R + 1)-square target; false when nothing could
// be rendered.
bool MakeSphereStone(CellImage& target, int R, Color stone, const SettingsRecord& settings,
                     SphereImageRenderer* sphere);

}  // namespace tenukiro
