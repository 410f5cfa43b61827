#include "render/cell_image.h"

namespace tenukiro {

CellImage::CellImage(int width, int height, Color fill) : raster_(width, height, fill), canvas_(raster_) {}

}  // namespace tenukiro
