#include "shell/idle/mutter_idle_monitor.h"

#include <systemd/sd-bus.h>
#include <time.h>

#include <climits>
#include <string_view>

namespace tenukiro {
namespace {

constexpr const char* kName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr const char* kInterface = "org.gnome.Mutter.IdleMonitor";
// Only the monitor's own name: the session's other names come and go all day.
constexpr const char* kOwnerMatch =
    "type='signal',sender='org.freedesktop.DBus',path='/org/freedesktop/DBus',"
    "interface='org.freedesktop.DBus',member='NameOwnerChanged',arg0='org.gnome.Mutter.IdleMonitor'";

bool NameHasOwner(sd_bus* bus) {
  sd_bus_error error = SD_BUS_ERROR_NULL;
  sd_bus_message* reply = nullptr;
  int owned = 0;
  const int result = sd_bus_call_method(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                        "NameHasOwner", &error, &reply, "s", kName);
  if (result >= 0 && sd_bus_message_read(reply, "b", &owned) < 0) owned = 0;
  sd_bus_message_unref(reply);
  sd_bus_error_free(&error);
  return owned != 0;
}

uint64_t MonotonicMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000000 + static_cast<uint64_t>(now.tv_nsec) / 1000;
}

}  // namespace

std::unique_ptr<MutterIdleMonitor> MutterIdleMonitor::Connect() {
  sd_bus* bus = nullptr;
  if (sd_bus_open_user(&bus) < 0) return nullptr;
  std::unique_ptr<MutterIdleMonitor> monitor(new MutterIdleMonitor(bus));
  // Listening comes before the look at the owner, so that an owner leaving in between is heard.
  if (!monitor->Subscribe() || !NameHasOwner(bus)) return nullptr;
  return monitor;
}

MutterIdleMonitor::~MutterIdleMonitor() {
  sd_bus_slot_unref(firedSlot_);
  sd_bus_slot_unref(ownerSlot_);
  sd_bus_flush_close_unref(bus_);
}

bool MutterIdleMonitor::Subscribe() {
  return sd_bus_match_signal(bus_, &firedSlot_, nullptr, kPath, kInterface, "WatchFired", OnFiredMessage, this) >= 0 &&
         sd_bus_add_match(bus_, &ownerSlot_, kOwnerMatch, OnOwnerChanged, this) >= 0;
}

std::optional<uint32_t> MutterIdleMonitor::IdFromReply(int callResult, sd_bus_message* reply) {
  uint32_t id = 0;
  const bool read = callResult >= 0 && sd_bus_message_read(reply, "u", &id) >= 0;
  sd_bus_message_unref(reply);
  if (!read) return std::nullopt;
  return id;
}

std::optional<uint32_t> MutterIdleMonitor::AddIdleWatch(uint64_t intervalMs) {
  sd_bus_message* reply = nullptr;
  const int result =
      sd_bus_call_method(bus_, kName, kPath, kInterface, "AddIdleWatch", nullptr, &reply, "t", intervalMs);
  return IdFromReply(result, reply);
}

std::optional<uint32_t> MutterIdleMonitor::AddUserActiveWatch() {
  sd_bus_message* reply = nullptr;
  const int result = sd_bus_call_method(bus_, kName, kPath, kInterface, "AddUserActiveWatch", nullptr, &reply, "");
  return IdFromReply(result, reply);
}

void MutterIdleMonitor::RemoveWatch(uint32_t id) {
  sd_bus_call_method(bus_, kName, kPath, kInterface, "RemoveWatch", nullptr, nullptr, "u", id);
}

bool MutterIdleMonitor::Dispatch() {
  while (!gone_) {
    const int result = sd_bus_process(bus_, nullptr);
    if (result < 0) gone_ = true;
    if (result <= 0) break;
  }
  if (sd_bus_is_open(bus_) <= 0) gone_ = true;
  return !gone_;
}

pollfd MutterIdleMonitor::PollFd() const {
  const int events = sd_bus_get_events(bus_);
  return {sd_bus_get_fd(bus_), static_cast<short>(events < 0 ? POLLIN : events), 0};
}

int MutterIdleMonitor::TimeoutMs() const {
  uint64_t due = 0;
  if (sd_bus_get_timeout(bus_, &due) < 0 || due == UINT64_MAX) return -1;
  const uint64_t now = MonotonicMicroseconds();
  if (due <= now) return 0;
  const uint64_t ms = (due - now + 999) / 1000;
  return ms > INT_MAX ? INT_MAX : static_cast<int>(ms);
}

int MutterIdleMonitor::OnFiredMessage(sd_bus_message* message, void* self, sd_bus_error*) {
  auto& monitor = *static_cast<MutterIdleMonitor*>(self);
  uint32_t id = 0;
  if (sd_bus_message_read(message, "u", &id) >= 0 && monitor.onFired_) monitor.onFired_(id);
  return 0;
}

int MutterIdleMonitor::OnOwnerChanged(sd_bus_message* message, void* self, sd_bus_error*) {
  const char *name = nullptr, *previous = nullptr, *next = nullptr;
  if (sd_bus_message_read(message, "sss", &name, &previous, &next) < 0) return 0;
  // The compositor has gone (or another took its name: our watches went with the old owner).
  if (std::string_view(name) == kName) static_cast<MutterIdleMonitor*>(self)->gone_ = true;
  return 0;
}

}  // namespace tenukiro
