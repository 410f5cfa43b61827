#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <iostream>

#include "shell/qt/qt_platform.h"
#include "shell/saver_app.h"

namespace {

// The executable's own path, which locates the bundled record, patterns and help.
std::string ExecutablePath(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) return std::string(buffer, static_cast<size_t>(length));
  return argv0 ? argv0 : "";
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = ExecutablePath(argc > 0 ? argv[0] : nullptr);
  tenukiro::QtPlatform platform(argc, argv, tenukiro::DirectoryOf(path));
  tenukiro::CSaverApp app(platform, {path, tenukiro::DirectoryOf(path)});
  return app.Run(argc, argv, std::getenv("XSCREENSAVER_WINDOW"), std::cout, std::cerr);
}
