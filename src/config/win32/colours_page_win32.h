#pragma once

#include <array>

#include "config/colours_page.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// The three switches and the twelve colour buttons, each with a bar of its colour,
// chosen with the system's colour chooser and its sixteen custom colours.
class ColoursPageWin32 : public DialogWindow {
 public:
  struct ColourControl {
    int control;
    SettingId setting;
  };
  static const std::array<ColourControl, 12> kColourControls;

  explicit ColoursPageWin32(CColoursPage& page) : page_(page) {}
  void Refresh();

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCommand(int control);
  void Choose(SettingId setting);
  void DrawColourButton(const DRAWITEMSTRUCT& item);

  CColoursPage& page_;
};

}  // namespace tenukiro
