#include "wayland/fake_idle_monitor.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <filesystem>

extern char** environ;

namespace tenukiro {
namespace {

constexpr const char* kName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* kPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr const char* kInterface = "org.gnome.Mutter.IdleMonitor";

std::string ReadLine(int fd) {
  std::string line;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

PrivateBus::PrivateBus() {
  char folder[] = "/tmp/tk-bus-XXXXXX";
  if (!mkdtemp(folder)) return;
  folder_ = folder;
  int out[2];
  if (pipe(out) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  const std::string listen = "--address=unix:dir=" + folder_;
  std::vector<std::string> args = {"dbus-daemon", "--session", "--nofork", "--print-address", listen};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  if (posix_spawnp(&pid_, "dbus-daemon", &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (pid_ > 0) address_ = ReadLine(out[0]);
  close(out[0]);
}

void PrivateBus::Kill() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  pid_ = -1;
  if (!folder_.empty()) std::filesystem::remove_all(folder_);
  folder_.clear();
}

FakeIdleMonitor::FakeIdleMonitor(const std::string& address) {
  sd_bus* bus = nullptr;
  if (sd_bus_new(&bus) < 0) return;
  const bool ready = sd_bus_set_address(bus, address.c_str()) >= 0 && sd_bus_set_bus_client(bus, 1) >= 0 &&
                     sd_bus_start(bus) >= 0 && sd_bus_add_object(bus, &slot_, kPath, OnMessage, this) >= 0 &&
                     sd_bus_request_name(bus, kName, 0) >= 0;
  if (!ready) {
    sd_bus_slot_unref(slot_);
    slot_ = nullptr;
    sd_bus_flush_close_unref(bus);
    return;
  }
  bus_ = bus;
}

void FakeIdleMonitor::Leave() {
  sd_bus_slot_unref(slot_);
  slot_ = nullptr;
  if (bus_) sd_bus_flush_close_unref(bus_);
  bus_ = nullptr;
}

bool FakeIdleMonitor::ServeUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    if (!bus_) {
      usleep(20000);
      continue;
    }
    const int processed = sd_bus_process(bus_, nullptr);
    if (processed < 0) Leave();  // the bus has gone
    if (processed != 0) continue;
    pollfd fd{sd_bus_get_fd(bus_), static_cast<short>(sd_bus_get_events(bus_)), 0};
    poll(&fd, 1, 20);
  }
  return true;
}

void FakeIdleMonitor::Fire(uint32_t id) {
  sd_bus_message* signal = nullptr;
  if (sd_bus_message_new_signal(bus_, &signal, kPath, kInterface, "WatchFired") < 0) return;
  sd_bus_message_set_destination(signal, watcher_.c_str());
  sd_bus_message_append(signal, "u", id);
  sd_bus_send(bus_, signal, nullptr);
  sd_bus_message_unref(signal);
  sd_bus_flush(bus_);
}

int FakeIdleMonitor::OnMessage(sd_bus_message* message, void* self, sd_bus_error*) {
  return static_cast<FakeIdleMonitor*>(self)->Answer(message);
}

int FakeIdleMonitor::Answer(sd_bus_message* message) {
  if (sd_bus_message_is_method_call(message, kInterface, "AddIdleWatch")) {
    uint64_t interval = 0;
    sd_bus_message_read(message, "t", &interval);
    calls_.push_back("AddIdleWatch " + std::to_string(interval));
    watcher_ = sd_bus_message_get_sender(message);
    return sd_bus_reply_method_return(message, "u", nextId_++);
  }
  if (sd_bus_message_is_method_call(message, kInterface, "AddUserActiveWatch")) {
    calls_.push_back("AddUserActiveWatch");
    return sd_bus_reply_method_return(message, "u", nextId_++);
  }
  if (sd_bus_message_is_method_call(message, kInterface, "RemoveWatch")) {
    uint32_t id = 0;
    sd_bus_message_read(message, "u", &id);
    calls_.push_back("RemoveWatch " + std::to_string(id));
    return sd_bus_reply_method_return(message, "");
  }
  return 0;
}

}  // namespace tenukiro
