#include "show/board_view.h"

namespace tenukiro {
namespace {

ShownPosition PositionOf(const LoadedRecord& record) {
  return ShownPosition{record.GetBoard(), record.State(), record.Annotations()};
}

}  // namespace

BoardView::BoardView(const Profile&, std::string programDirectory, SphereImageRenderer* spheres)
    : programDirectory_(std::move(programDirectory)), spheres_(spheres) {}

void BoardView::ComputeLayout(const SettingsRecord& settings, Size client, Size screen, int kx, int ky,
                              const LoadedRecord& record) {
  LayoutInputs inputs;
  inputs.clientWidth = client.width;
  inputs.clientHeight = client.height;
  inputs.screenWidth = screen.width;
  inputs.view = record.State().view;
  inputs.kx = kx;
  inputs.ky = ky;
  layout_ = tenukiro::ComputeLayout(settings, inputs, NoInfoBlock(), layout_);
}

void BoardView::Refresh(const LoadedRecord& record, const SettingsRecord& settings) {
  RefreshDisplayGrid(grid_, PositionOf(record), settings);
}

void BoardView::Commit() { previous_ = grid_; }

void BoardView::DrawFullFrame(Canvas&, const LoadedRecord& record, const SettingsRecord& settings) {
  RefreshDisplayGrid(grid_, PositionOf(record), settings);
}

std::vector<Rect> BoardView::RedrawChanged(Canvas&, const LoadedRecord& record, const SettingsRecord& settings) {
  UpdateDisplayGrid(grid_, PositionOf(record), settings);
  return {};
}

}  // namespace tenukiro
