#include "shell/idle/wayland_idle.h"

#include <wayland-client.h>

#include <iostream>
#include <memory>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"
#include "shell/idle/idle_cycle.h"
#include "shell/idle/show_process.h"
#include "shell/wayland/wayland_loop.h"
#include "shell/wayland/wayland_session.h"

namespace tenukiro {
namespace {

// The watcher's state, which the notifications' listeners reach.
struct IdleWatch {
  IdleCycle cycle;
  ShowProcess show;
  const std::vector<std::string>* arguments = nullptr;
  const TerminationSignals* signals = nullptr;

  void Idled() {
    if (cycle.Idled() && !show.Start(*arguments, signals->PreviousMask())) {
      std::cerr << "tenukiro: cannot start the saver\n";
      cycle.ShowEnded();
    }
  }
};

void OnExtIdled(void* data, ext_idle_notification_v1*) { static_cast<IdleWatch*>(data)->Idled(); }
void OnExtResumed(void* data, ext_idle_notification_v1*) { static_cast<IdleWatch*>(data)->cycle.Resumed(); }
constexpr ext_idle_notification_v1_listener kExtListener = {OnExtIdled, OnExtResumed};

void OnKdeIdle(void* data, org_kde_kwin_idle_timeout*) { static_cast<IdleWatch*>(data)->Idled(); }
void OnKdeResumed(void* data, org_kde_kwin_idle_timeout*) { static_cast<IdleWatch*>(data)->cycle.Resumed(); }
constexpr org_kde_kwin_idle_timeout_listener kKdeListener = {OnKdeIdle, OnKdeResumed};

}  // namespace

int WatchWaylandIdle(int seconds, const std::vector<std::string>& showArguments) {
  const TerminationSignals signals;
  const std::unique_ptr<WaylandSession> session = WaylandSession::Connect();
  if (!session) {
    std::cerr << "tenukiro: cannot connect to the Wayland display\n";
    return 1;
  }
  wl_seat* seat = session->FirstSeat();
  if (!seat) {
    std::cerr << "tenukiro: the Wayland compositor has no seat whose idle time could be watched\n";
    return 1;
  }
  IdleWatch watch;
  watch.arguments = &showArguments;
  watch.signals = &signals;
  const auto timeoutMs = static_cast<uint32_t>(seconds) * 1000;
  ext_idle_notification_v1* extNotification = nullptr;
  org_kde_kwin_idle_timeout* kdeTimeout = nullptr;
  if (session->IdleNotifier()) {
    extNotification = ext_idle_notifier_v1_get_idle_notification(session->IdleNotifier(), timeoutMs, seat);
    ext_idle_notification_v1_add_listener(extNotification, &kExtListener, &watch);
  } else if (session->KdeIdle()) {
    kdeTimeout = org_kde_kwin_idle_get_idle_timeout(session->KdeIdle(), seat, timeoutMs);
    org_kde_kwin_idle_timeout_add_listener(kdeTimeout, &kKdeListener, &watch);
  } else {
    std::cerr << "tenukiro: the Wayland compositor tells no idle time (neither ext-idle-notify nor KDE's idle)\n";
    return 1;
  }

  LoopHooks hooks;
  hooks.extraFd = [&watch] { return watch.show.EndFd(); };
  hooks.onExtra = [&watch] {
    watch.show.Reap();
    watch.cycle.ShowEnded();
  };
  const LoopEnd end = RunWaylandLoop(session->Display(), signals, hooks);
  watch.show.Stop();
  if (extNotification) ext_idle_notification_v1_destroy(extNotification);
  if (kdeTimeout) org_kde_kwin_idle_timeout_release(kdeTimeout);
  return end == LoopEnd::Failed ? 1 : 0;
}

}  // namespace tenukiro
