#include "render/cell_images.h"

#include <optional>

#include "base/data_files.h"
#include "base/path_kind.h"
#include "render/bmp.h"
#include "render/smooth_rim.h"
#include "settings/other_values.h"

namespace tenukiro {
namespace {

// The scene's ambient light for stones, in tenths.
constexpr double kStoneAmbientLevel = 2.0;

std::string PatternPath(const std::string& programDirectory, const std::string& name) {
  return IsAbsolutePath(name) ? name : UserFilePath(programDirectory, name);
}

// Copies the bitmap into dst: pixel for pixel when the sizes agree, else by halftone scaling.
void PutBitmap(CellImage& image, const Raster& bitmap, const Rect& dst) {
  if (bitmap.width() == dst.Width() && bitmap.height() == dst.Height()) {
    image.canvas().BitBlt(Point{dst.left, dst.top}, Size{bitmap.width(), bitmap.height()}, bitmap, Point{});
  } else {
    image.canvas().StretchBlt(dst, bitmap, bitmap.Bounds());
  }
}

void PutBackground(CellImage& image, const std::optional<Raster>& background, Color fallback) {
  if (background) {
    PutBitmap(image, *background, image.raster().Bounds());
  } else {
    image.canvas().FillRect(image.raster().Bounds(), fallback);
  }
}

// One stone image of the custom patterns: the background pattern with the stone bitmap inside,
// or the sphere when the stone file cannot be read. Null when neither can be had.
std::unique_ptr<CellImage> PatternStone(int R, const std::optional<Raster>& background, const std::string& stoneFile,
                                        Color stone, const SettingsRecord& settings, SphereImageRenderer* sphere) {
  auto image = std::make_unique<CellImage>(2 * R + 1, 2 * R + 1);
  PutBackground(*image, background, static_cast<Color>(settings.Effective(BackColor)));
  if (const std::optional<Raster> bitmap = LoadBmp(stoneFile)) {
    PutBitmap(*image, *bitmap, Rect{1, 1, 2 * R - 1, 2 * R - 1});
    return image;
  }
  if (!MakeSphereStone(*image, R, stone, settings, sphere)) return nullptr;
  return image;
}

CellImages PatternImages(const SettingsRecord& settings, int R, const PatternPaths& patterns,
                         SphereImageRenderer* sphere) {
  const std::optional<Raster> background = LoadBmp(patterns.background);
  CellImages images;
  images.black = PatternStone(R, background, patterns.blackStones, static_cast<Color>(settings.Effective(BlackColor)),
                              settings, sphere);
  images.white = PatternStone(R, background, patterns.whiteStones, static_cast<Color>(settings.Effective(WhiteColor)),
                              settings, sphere);
  images.emptyPoint = std::make_unique<CellImage>(2 * R + 1, 2 * R + 1);
  PutBackground(*images.emptyPoint, background, static_cast<Color>(settings.Effective(BackColor)));
  return images;
}

// Spheres for both stones on a plain board; without a renderer everything stays flat.
CellImages SphereImages(const SettingsRecord& settings, int R, SphereImageRenderer* sphere) {
  const int side = 2 * R + 1;
  CellImages images;
  images.black = std::make_unique<CellImage>(side, side);
  images.white = std::make_unique<CellImage>(side, side);
  if (!MakeSphereStone(*images.black, R, static_cast<Color>(settings.Effective(BlackColor)), settings, sphere) ||
      !MakeSphereStone(*images.white, R, static_cast<Color>(settings.Effective(WhiteColor)), settings, sphere)) {
    return {};
  }
  images.emptyPoint = std::make_unique<CellImage>(side, side, static_cast<Color>(settings.Effective(BackColor)));
  return images;
}

}  // namespace

PatternPaths PatternPathsFor(const Profile& profile, const std::string& programDirectory) {
  return PatternPaths{PatternPath(programDirectory, PatternFileName(profile, PatternFile::Background)),
                      PatternPath(programDirectory, PatternFileName(profile, PatternFile::BlackStones)),
                      PatternPath(programDirectory, PatternFileName(profile, PatternFile::WhiteStones))};
}

bool MakeSphereStone(CellImage& target, int R, Color stone, const SettingsRecord& settings,
                     SphereImageRenderer* sphere) {
  if (!sphere) return false;
  const Color board = static_cast<Color>(settings.Effective(BackColor));
  // At R = 2 a 3 x 3 sphere sits inside a one-pixel board-coloured border.
  const int side = R == 2 ? 3 : 2 * R + 1;
  Raster sphereImage(side, side, board);
  if (!sphere->RenderSphere(sphereImage, stone, board, settings.Effective(StoneBrightness), kStoneAmbientLevel)) {
    return false;
  }
  if (R == 2) target.canvas().FillRect(target.raster().Bounds(), board);
  if (R >= 3) SmoothRim(sphereImage);
  const int at = R == 2 ? 1 : 0;
  target.canvas().BitBlt(Point{at, at}, Size{side, side}, sphereImage, Point{});
  return true;
}

CellImages BuildCellImages(const SettingsRecord& settings, int R, const PatternPaths& patterns,
                           SphereImageRenderer* sphere) {
  if (2 * R + 1 > kMaxCellImageSide || R < 2) return {};
  if (settings.On(CustomPatterns)) return PatternImages(settings, R, patterns, sphere);
  if (settings.On(With3DEffect)) return SphereImages(settings, R, sphere);
  return {};
}

}  // namespace tenukiro
