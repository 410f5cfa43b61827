#include <cstdlib>

#include "base/data_files.h"

namespace tenukiro {

std::string UserDataFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && dataHome[0] == '/') return std::string(dataHome) + "/tenukiro/";
  const char* home = std::getenv("HOME");
  if (home && home[0] != '\0') return std::string(home) + "/.local/share/tenukiro/";
  return {};
}

}  // namespace tenukiro
