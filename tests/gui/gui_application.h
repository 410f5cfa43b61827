#pragma once

#include <QApplication>

namespace tenukiro {

// The one application object of the GUI tests, made on first use (after the test
// environment has pointed the profile folder elsewhere) and ended before the
// program's static objects are, as Qt's clean-up routines still need them.
inline QApplication*& GuiApplicationSlot() {
  static QApplication* application = nullptr;
  return application;
}

inline QApplication& GuiApplication() {
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  if (!GuiApplicationSlot()) GuiApplicationSlot() = new QApplication(argc, argv);
  return *GuiApplicationSlot();
}

inline void EndGuiApplication() {
  delete GuiApplicationSlot();
  GuiApplicationSlot() = nullptr;
}

}  // namespace tenukiro
