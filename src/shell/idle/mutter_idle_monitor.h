#pragma once

#include <poll.h>
#include <systemd/sd-bus.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>


namespace tenukiro {

// GNOME's idle monitor on the session bus: Mutter's watches of the session's idle time, which
// count GNOME's idle inhibitors (a video playing) as input. An idle watch fires each time the
// session has been idle for its interval; a user-active watch fires once, at the next input.
class MutterIdleMonitor {
 public:
  // Null when the session bus cannot be reached or nothing there owns the monitor's name.
  static std::unique_ptr<MutterIdleMonitor> Connect();
  ~MutterIdleMonitor();
  MutterIdleMonitor(const MutterIdleMonitor&) = delete;
  MutterIdleMonitor& operator=(const MutterIdleMonitor&) = delete;

  // Each gives the new watch's id, or nothing when the monitor refused or has gone.
  std::optional<uint32_t> AddIdleWatch(uint64_t intervalMs);
  std::optional<uint32_t> AddUserActiveWatch();
  void RemoveWatch(uint32_t id);

  // Who hears the watches fire (during Dispatch).
  void OnWatchFired(std::function<void(uint32_t)> listener) { onFired_ = std::move(listener); }
  // Handles everything the bus has sent: false once the bus or the monitor has gone.
  bool Dispatch();
  // What poll() waits for on the bus, and how long it may sleep at most (-1: until it is readable).
  pollfd PollFd() const;
  int TimeoutMs() const;

 private:
  explicit MutterIdleMonitor(sd_bus* bus) : bus_(bus) {}
  bool Subscribe();
  std::optional<uint32_t> IdFromReply(int callResult, sd_bus_message* reply);
  static int OnFiredMessage(sd_bus_message* message, void* self, sd_bus_error*);
  static int OnOwnerChanged(sd_bus_message* message, void* self, sd_bus_error*);

  sd_bus* bus_;
  sd_bus_slot* firedSlot_ = nullptr;
  sd_bus_slot* ownerSlot_ = nullptr;
  std::function<void(uint32_t)> onFired_;
  bool gone_ = false;
};

}  // namespace tenukiro
