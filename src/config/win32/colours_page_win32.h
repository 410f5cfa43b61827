#pragma once

#include <array>
#include <string>

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

  // `userFolder` is where the user's own pattern files go, when that is not the
  // program's folder (empty otherwise).
  ColoursPageWin32(CColoursPage& page, std::string userFolder) : page_(page), userFolder_(std::move(userFolder)) {}
  void Refresh();

 protected:
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCommand(int control);
  void Choose(SettingId setting);
  void DrawColourButton(const DRAWITEMSTRUCT& item);

  CColoursPage& page_;
  std::string userFolder_;
};

}  // namespace tenukiro
