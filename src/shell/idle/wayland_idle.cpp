#include "shell/idle/wayland_idle.h"

#include <wayland-client.h>

#include <iostream>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"
#include "shell/idle/idle_show_runner.h"
#include "shell/wayland/wayland_loop.h"
#include "shell/wayland/wayland_session.h"

namespace tenukiro {
namespace {

IdleShowRunner& Runner(void* data) { return *static_cast<IdleShowRunner*>(data); }

void OnExtIdled(void* data, ext_idle_notification_v1*) { Runner(data).Idled(); }
void OnExtResumed(void* data, ext_idle_notification_v1*) { Runner(data).Resumed(); }
constexpr ext_idle_notification_v1_listener kExtListener = {OnExtIdled, OnExtResumed};

void OnKdeIdle(void* data, org_kde_kwin_idle_timeout*) { Runner(data).Idled(); }
void OnKdeResumed(void* data, org_kde_kwin_idle_timeout*) { Runner(data).Resumed(); }
constexpr org_kde_kwin_idle_timeout_listener kKdeListener = {OnKdeIdle, OnKdeResumed};

}  // namespace

bool CompositorTellsIdleTime(const WaylandSession& session) { return session.IdleNotifier() || session.KdeIdle(); }

int WatchWaylandIdle(WaylandSession& session, int seconds, const std::vector<std::string>& showArguments,
                     const TerminationSignals& signals) {
  wl_seat* seat = session.FirstSeat();
  if (!seat) {
    std::cerr << "tenukiro: the Wayland compositor has no seat whose idle time could be watched\n";
    return 1;
  }
  IdleShowRunner runner(showArguments, signals.PreviousMask());
  const auto timeoutMs = static_cast<uint32_t>(seconds) * 1000;
  ext_idle_notification_v1* extNotification = nullptr;
  org_kde_kwin_idle_timeout* kdeTimeout = nullptr;
  if (session.IdleNotifier()) {
    extNotification = ext_idle_notifier_v1_get_idle_notification(session.IdleNotifier(), timeoutMs, seat);
    ext_idle_notification_v1_add_listener(extNotification, &kExtListener, &runner);
  } else {
    kdeTimeout = org_kde_kwin_idle_get_idle_timeout(session.KdeIdle(), seat, timeoutMs);
    org_kde_kwin_idle_timeout_add_listener(kdeTimeout, &kKdeListener, &runner);
  }

  LoopHooks hooks;
  hooks.extraFd = [&runner] { return runner.ShowEndFd(); };
  hooks.onExtra = [&runner] { runner.ShowEnded(); };
  const LoopEnd end = RunWaylandLoop(session.Display(), signals, hooks);
  runner.Stop();
  if (extNotification) ext_idle_notification_v1_destroy(extNotification);
  if (kdeTimeout) org_kde_kwin_idle_timeout_release(kdeTimeout);
  return end == LoopEnd::Failed ? 1 : 0;
}

}  // namespace tenukiro
