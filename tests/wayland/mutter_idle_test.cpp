#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "shell/idle/mutter_idle.h"
#include "shell/idle/mutter_idle_monitor.h"
#include "shell/wayland/wayland_loop.h"
#include "wayland/fake_idle_monitor.h"

namespace tenukiro {
namespace {

// The saver the watcher runs in these tests: this test program again, sleeping until it is
// ended. Disabled, so that it runs only when asked for.
TEST(MutterIdleShow, DISABLED_StandsInForTheSaver) { pause(); }
const std::vector<std::string> kShow = {"--gtest_also_run_disabled_tests",
                                        "--gtest_filter=MutterIdleShow.DISABLED_StandsInForTheSaver"};

std::vector<pid_t> ChildrenOf(pid_t parent) {
  std::vector<pid_t> children;
  DIR* proc = opendir("/proc");
  while (dirent* entry = proc ? readdir(proc) : nullptr) {
    std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // After the name in parentheses (which may hold anything): the state, then the parent.
    std::istringstream after(line.substr(line.rfind(')') + 1));
    std::string state;
    pid_t ppid = 0;
    if (after >> state >> ppid && ppid == parent) children.push_back(std::stoi(entry->d_name));
  }
  if (proc) closedir(proc);
  return children;
}

// The watcher as a process of its own on the private bus, as `tenukiro --idle 2` would run
// it on a Wayland session.
pid_t StartWatcher(const std::string& busAddress) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  // Not the test's own connection to the bus, which would stay open in this process.
  close_range(3, ~0U, 0);
  setenv("DBUS_SESSION_BUS_ADDRESS", busAddress.c_str(), 1);
  const TerminationSignals signals;
  const std::unique_ptr<MutterIdleMonitor> monitor = MutterIdleMonitor::Connect();
  _exit(monitor ? WatchMutterIdle(*monitor, 2, kShow, signals, nullptr) : 99);
}

// How the watcher ended: its exit status, -1 if it had not within the time the monitor serves.
int EndOf(pid_t watcher, FakeIdleMonitor& monitor) {
  int status = 0;
  const bool ended = monitor.ServeUntil([&] { return waitpid(watcher, &status, WNOHANG) == watcher; });
  if (!ended) {
    for (const pid_t show : ChildrenOf(watcher)) kill(show, SIGKILL);
    kill(watcher, SIGKILL);
    waitpid(watcher, nullptr, 0);
    return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool Called(const FakeIdleMonitor& monitor, const std::string& call, size_t times = 1) {
  return static_cast<size_t>(std::count(monitor.Calls().begin(), monitor.Calls().end(), call)) >= times;
}

class MutterIdle : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bus.Address().empty()) << "dbus-daemon did not start";
    ASSERT_TRUE(monitor.Serving());
    watcher = StartWatcher(bus.Address());
    ASSERT_TRUE(monitor.ServeUntil([&] { return !monitor.Calls().empty(); })) << "the watcher made no watch";
    idleWatch = monitor.LastId();
  }
  void TearDown() override {
    if (watcher > 0 && waitpid(watcher, nullptr, WNOHANG) == 0) {
      for (const pid_t show : ChildrenOf(watcher)) kill(show, SIGKILL);
      kill(watcher, SIGKILL);
      waitpid(watcher, nullptr, 0);
    }
  }
  // Fires the idle watch and serves until the watcher runs a show and asks to hear the input.
  pid_t IdleUntilShow(size_t activeWatches) {
    monitor.Fire(idleWatch);
    pid_t show = -1;
    monitor.ServeUntil([&] {
      const std::vector<pid_t> shows = ChildrenOf(watcher);
      show = shows.size() == 1 ? shows[0] : -1;
      return show > 0 && Called(monitor, "AddUserActiveWatch", activeWatches);
    });
    return show;
  }

  PrivateBus bus;
  FakeIdleMonitor monitor{bus.Address()};
  pid_t watcher = -1;
  uint32_t idleWatch = 0;
};

TEST_F(MutterIdle, AShowForEachIdleTimeUntilTheBusGoes) {
  EXPECT_EQ(monitor.Calls(), std::vector<std::string>{"AddIdleWatch 2000"});
  EXPECT_TRUE(ChildrenOf(watcher).empty()) << "a show before the session was idle";

  const pid_t first = IdleUntilShow(1);
  ASSERT_GT(first, 0) << "no show, or no user-active watch, after the idle watch fired";
  // The input: the show's own close rules end it (the mouse's threshold, the password's grace
  // time), the watcher only hears that the session is active again.
  monitor.Fire(monitor.LastId());
  monitor.ServeUntil([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(ChildrenOf(watcher), std::vector<pid_t>{first});
  kill(first, SIGTERM);
  ASSERT_TRUE(monitor.ServeUntil([&] { return ChildrenOf(watcher).empty(); })) << "the ended show was not reaped";

  const pid_t second = IdleUntilShow(2);
  ASSERT_GT(second, 0) << "no show for the second idle time";
  EXPECT_NE(second, first);
  // The idle watch again while a show runs: still one show.
  monitor.Fire(idleWatch);
  monitor.ServeUntil([] { return false; }, std::chrono::milliseconds(300));
  EXPECT_EQ(ChildrenOf(watcher), std::vector<pid_t>{second});

  bus.Kill();
  EXPECT_EQ(EndOf(watcher, monitor), 0);
  watcher = -1;
  EXPECT_NE(kill(second, 0), 0) << "the watcher left its show running";
}

TEST_F(MutterIdle, AShowThatEndedWithoutInputReturnsAfterTheNextIdleTime) {
  const pid_t first = IdleUntilShow(1);
  ASSERT_GT(first, 0);
  kill(first, SIGTERM);
  ASSERT_TRUE(monitor.ServeUntil([&] { return ChildrenOf(watcher).empty(); }));
  // The monitor fires its idle watch again only after input, which came before the watcher's
  // user-active watch was made: a new show, and no second user-active watch meanwhile.
  monitor.Fire(idleWatch);
  EXPECT_TRUE(monitor.ServeUntil([&] { return ChildrenOf(watcher).size() == 1; }));
  EXPECT_TRUE(Called(monitor, "AddUserActiveWatch", 1));
  EXPECT_FALSE(Called(monitor, "AddUserActiveWatch", 2));
}

TEST_F(MutterIdle, SigtermEndsTheWatcherItsShowAndItsWatches) {
  const pid_t show = IdleUntilShow(1);
  ASSERT_GT(show, 0);
  const uint32_t activeWatch = monitor.LastId();
  kill(watcher, SIGTERM);
  EXPECT_EQ(EndOf(watcher, monitor), 0);
  watcher = -1;
  EXPECT_NE(kill(show, 0), 0) << "the watcher left its show running";
  EXPECT_TRUE(Called(monitor, "RemoveWatch " + std::to_string(idleWatch)));
  EXPECT_TRUE(Called(monitor, "RemoveWatch " + std::to_string(activeWatch)));
}

TEST_F(MutterIdle, TheMonitorGoingAwayEndsTheWatcher) {
  const pid_t show = IdleUntilShow(1);
  ASSERT_GT(show, 0);
  monitor.Leave();
  EXPECT_EQ(EndOf(watcher, monitor), 0);
  watcher = -1;
  EXPECT_NE(kill(show, 0), 0) << "the watcher left its show running";
}

TEST(MutterIdleMonitor, NoneOnABusWhereNothingOwnsItsName) {
  PrivateBus bus;
  ASSERT_FALSE(bus.Address().empty());
  const char* previous = getenv("DBUS_SESSION_BUS_ADDRESS");
  const std::string kept = previous ? previous : "";
  setenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().c_str(), 1);
  EXPECT_EQ(MutterIdleMonitor::Connect(), nullptr);
  setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus", 1);
  EXPECT_EQ(MutterIdleMonitor::Connect(), nullptr);
  if (previous)
    setenv("DBUS_SESSION_BUS_ADDRESS", kept.c_str(), 1);
  else
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

}  // namespace
}  // namespace tenukiro
