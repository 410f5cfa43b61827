// Keys for a headless mutter, which has no input devices, through its remote-desktop interface
// on the session bus. Mutter ends a session when its caller leaves the bus, so this program
// keeps one for its life. Each line on standard input, "key CODE", presses and releases the key
// of that evdev code, and is answered by a line "ok" or "failed".
#include <systemd/sd-bus.h>

#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr const char* kService = "org.gnome.Mutter.RemoteDesktop";
constexpr const char* kSessionInterface = "org.gnome.Mutter.RemoteDesktop.Session";

std::string CreateSession(sd_bus* bus) {
  sd_bus_message* reply = nullptr;
  const char* path = nullptr;
  std::string session;
  if (sd_bus_call_method(bus, kService, "/org/gnome/Mutter/RemoteDesktop", kService, "CreateSession", nullptr, &reply,
                         "") >= 0 &&
      sd_bus_message_read(reply, "o", &path) >= 0) {
    session = path;
  }
  sd_bus_message_unref(reply);
  return session;
}

bool Key(sd_bus* bus, const std::string& session, uint32_t code) {
  for (const int pressed : {1, 0}) {
    if (sd_bus_call_method(bus, kService, session.c_str(), kSessionInterface, "NotifyKeyboardKeycode", nullptr, nullptr,
                           "ub", code, pressed) < 0) {
      return false;
    }
  }
  return true;
}

bool Run(sd_bus* bus, const std::string& session, const std::string& line) {
  std::istringstream words(line);
  std::string verb;
  words >> verb;
  uint32_t code = 0;
  return verb == "key" && words >> code && Key(bus, session, code);
}

}  // namespace

int main() {
  sd_bus* bus = nullptr;
  if (sd_bus_open_user(&bus) < 0) {
    std::cerr << "mutter_input: no session bus\n";
    return 1;
  }
  const std::string session = CreateSession(bus);
  if (session.empty() ||
      sd_bus_call_method(bus, kService, session.c_str(), kSessionInterface, "Start", nullptr, nullptr, "") < 0) {
    std::cerr << "mutter_input: mutter made no remote-desktop session\n";
    return 1;
  }
  std::cout << "ready" << std::endl;
  for (std::string line; std::getline(std::cin, line);)
    std::cout << (Run(bus, session, line) ? "ok" : "failed") << std::endl;
  sd_bus_flush_close_unref(bus);
  return 0;
}
