#pragma once

#include <QApplication>

namespace tenukiro {

// The one application object of the GUI tests, made on first use (after the test
// environment has pointed the profile folder elsewhere).
inline QApplication& GuiApplication() {
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

}  // namespace tenukiro
