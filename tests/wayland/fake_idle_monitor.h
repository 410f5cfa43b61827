#pragma once

#include <sys/types.h>
#include <systemd/sd-bus.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tenukiro {

// A session bus of the test's own: dbus-daemon in a temporary folder.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus() { Kill(); }
  const std::string& Address() const { return address_; }
  bool Running() const { return pid_ > 0; }
  void Kill();

 private:
  pid_t pid_ = -1;
  std::string folder_;
  std::string address_;
};

// GNOME's idle monitor as the watcher sees it, whose watches the test fires: it takes the
// monitor's name on the bus and writes down every call made of it ("AddIdleWatch 3000",
// "AddUserActiveWatch", "RemoveWatch 1").
class FakeIdleMonitor {
 public:
  explicit FakeIdleMonitor(const std::string& address);
  ~FakeIdleMonitor() { Leave(); }
  bool Serving() const { return bus_ != nullptr; }
  // Answers calls until `done` holds or `limit` has passed: whether it holds.
  bool ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20));
  // WatchFired(id), sent to the connection that made the watches.
  void Fire(uint32_t id);
  // The monitor goes away, as when the compositor ends.
  void Leave();
  const std::vector<std::string>& Calls() const { return calls_; }
  uint32_t LastId() const { return nextId_ - 1; }

 private:
  static int OnMessage(sd_bus_message* message, void* self, sd_bus_error*);
  int Answer(sd_bus_message* message);

  sd_bus* bus_ = nullptr;
  sd_bus_slot* slot_ = nullptr;
  std::vector<std::string> calls_;
  uint32_t nextId_ = 1;
  std::string watcher_;
};

}  // namespace tenukiro
