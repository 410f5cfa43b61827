#pragma once

#include <array>

#include "config/colours_page.h"
#include "config/win32/dialog_window.h"

namespace tenukiro {

// Where a colour button draws its caption, the bar of its colour (the bar's outline included)
// and its focus mark: the bar is a quarter of the button's height, the margins and the outline's
// width are pixels at 96 DPI scaled to `dpi`.
struct ColourButtonLayout {
  RECT caption;
  RECT bar;
  RECT focus;
  int outline;
};
ColourButtonLayout LayOutColourButton(const RECT& button, int dpi);

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
