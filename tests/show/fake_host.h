#pragma once

#include <vector>

#include "show/show_host.h"

namespace tenukiro {

// A window without a screen: its surface is a raster, its timer a record of the
// intervals asked for, its clock a number the test moves.
class FakeHost : public ShowHost {
 public:
  FakeHost(Size client, Size screen) : client_(client), screen_(screen), surface_(client.width, client.height) {}

  Size ClientSize() const override { return client_; }
  Size ScreenSize() const override { return screen_; }
  Raster& Surface() override { return surface_; }
  void ArmTimer(int intervalMs) override { armed.push_back(intervalMs); }
  void Present(const Rect& changed) override { presented.push_back(changed); }
  uint32_t TickCount() const override { return now; }

  std::vector<int> armed;
  std::vector<Rect> presented;
  uint32_t now = 0;

 private:
  Size client_;
  Size screen_;
  Raster surface_;
};

}  // namespace tenukiro
