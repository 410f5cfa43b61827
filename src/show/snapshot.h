#pragma once

#include <cstdint>
#include <string>

#include "render/cell_images.h"
#include "render/raster.h"
#include "render/sphere_image_renderer.h"
#include "replay/loaded_record.h"
#include "settings/settings_record.h"

namespace tenukiro {

struct SnapshotRequest {
  int clientWidth = 0;
  int clientHeight = 0;
  int screenWidth = 0;  // 0 or less: as wide as the client area
  std::int64_t step = 0;// show steps after the load, counted as the replay counts them
};

// Plays a freshly loaded record to the requested step (or its last one) exactly as the show steps
// it, and returns the full frame a freshly created show window of the client size paints then.
// An empty raster when the client area is empty or too large to hold.
Raster RenderSnapshot(LoadedRecord& record, const SettingsRecord& settings, const SnapshotRequest& request,
                      const PatternPaths& patterns = {}, SphereImageRenderer* sphere = nullptr);

// The same for a record file (the random game when it cannot be read).
Raster RenderSnapshotFile(const std::string& path, SettingsRecord& settings, const SnapshotRequest& request,
                          const PatternPaths& patterns = {}, SphereImageRenderer* sphere = nullptr);

}  // namespace tenukiro
