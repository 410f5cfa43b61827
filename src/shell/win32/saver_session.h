#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "render/sphere_image_renderer.h"
#include "settings/profile.h"
#include "shell/saver_close_rules.h"

namespace tenukiro {

class ShowWindowWin32;

// The full-screen saver over every monitor: a show on the primary one, and on each other one a
// show of its own or a black cover, all top-most, without a cursor. They share one set of close
// rules, in screen coordinates: any input on any of them ends them all, and the password is
// asked once.
class SaverSession {
 public:
  explicit SaverSession(const Profile& profile);
  SaverSession(const SaverSession&) = delete;
  SaverSession& operator=(const SaverSession&) = delete;
  ~SaverSession();

  // Covers the monitors (a show on each when `showOnEvery`); false when the primary monitor's
  // show could not be made.
  bool Start(const Profile& profile, bool showOnEvery, const std::string& programDirectory,
             SphereImageRenderer* spheres);

  // The saver's handling of a message of one of its windows (input, activation, the cursor,
  // closing); true when it answered the message with `result`.
  bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  static LRESULT CALLBACK CoverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateCover(const RECT& monitor);
  bool Owns(HWND window) const;
  void OnClose(HWND window);

  SaverCloseRules closeRules_;
  std::vector<std::unique_ptr<ShowWindowWin32>> shows_;
  std::vector<HWND> covers_;
};

}  // namespace tenukiro
