#pragma once

#include <array>

#include "config/spatial_page.h"
#include "config/win32/config_resource.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// Stone radius, grid position and the assistant's area: edits with spins, clamped
// as they are typed.
class SpatialPageWin32 : public DialogWindow {
 public:
  // The edit and spin of each numeric value, in the page's Edit order.
  struct EditControls {
    int edit;
    int spin;
  };
  static const std::array<EditControls, CSpatialPage::kEditCount> kEditControls;
  static constexpr std::array<int, 3> kGridRadios = {IDC_GRID_CENTER, IDC_GRID_RANDOM, IDC_GRID_CUSTOM};

  explicit SpatialPageWin32(CSpatialPage& page) : page_(page) {}
  void Refresh();

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCommand(int control, int code);
  void OnSpin(int spin, int delta);
  void ShowEditText(CSpatialPage::Edit edit, const std::string& text);
  void UpdateEnabling();

  CSpatialPage& page_;
  // Set while the page writes into its own edits, whose change notices are then not typing.
  bool writing_ = false;
};

}  // namespace tenukiro
