#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "assistant/game_info.h"
#include "assistant/show_surroundings.h"
#include "render/board_renderer.h"
#include "render/canvas.h"
#include "render/sphere_image_renderer.h"
#include "replay/loaded_record.h"
#include "settings/profile.h"
#include "settings/settings_record.h"
#include "show/file_list.h"
#include "show/page_timing.h"
#include "show/position_timing.h"
#include "show/show_state.h"
#include "show/show_host.h"

namespace tenukiro {

// The show: the settings, the list of records, the record being shown and the
// timer-driven state machine that walks it position by position, holds the last
// position, shows the transition screen and loads the next record. It knows its
// window only through ShowHost: the host forwards creation, timer ticks and paints.
class CShowWnd {
 public:
  // The extra time added to SplashDelay (its text resource reads "0").
  static constexpr int32_t kExtraTransitionMs = 0;
  // The timer period of the end-of-game states.
  static constexpr int32_t kEndTick = 100;

  CShowWnd(const Profile& profile, ShowHost& host, std::string programDirectory,
           SphereImageRenderer* spheres = nullptr);
  CShowWnd(const CShowWnd&) = delete;
  CShowWnd& operator=(const CShowWnd&) = delete;
  virtual ~CShowWnd();

  // Before OnCreate: the first record is the list's record `index` (wrapping), so that
  // shows side by side start on different records.
  void StartAtRecord(int index) { files_.MoveTo(index); }
  // The window exists: loads the first record.
  void OnCreate();
  // Timer 1 ticked: one step of the state machine.
  void OnTimer();
  // The whole window must be drawn again.
  void OnPaint();

  // Setters of the configuration dialog's live preview.
  void SetFileList(const std::vector<std::string>& files);
  void SetRandomAccess(int32_t value);
  void SetSgfPriority(int32_t value);
  // Any other setting, by its profile meaning (times in milliseconds), the random-colour
  // switch included. The profile copy changes; the value in effect too unless the
  // record sets it itself. Then it shows: the four position times re-arm the timer at
  // 100 ms; radius and offsets redraw when the layout changed; Indices and Assistant
  // replay the position; the rest redraw. Only the five times take a value equal to
  // the one they hold.
  void SetSetting(SettingId id, int32_t value);
  // Arms the timer when the interval differs from the one it runs with.
  void SetShowTimer(int32_t interval);

  // Re-applies the record from its root down to `node` (used by the setters too).
  void ReplayToNode(const SgfNode* node);

  ShowState State() const { return timing_.state; }
  int32_t NextWait() const { return timing_.nextWait; }
  int32_t ArmedInterval() const { return armedInterval_; }
  const SettingsRecord& Settings() const { return settings_; }
  const FileList& Files() const { return files_; }
  const LoadedRecord* Record() const { return record_.get(); }
  int Kx() const { return kx_; }
  const CGameInfo& GameInfo() const { return gameInfo_; }

 private:
  void LoadCurrentRecord();
  std::string CurrentRecordPath() const;
  void StepNextPosition();
  void StepNextPose();
  void StepMorePages();
  void StepEndWait();
  void StepTransition();
  void StepAfterTransition();
  void ReleaseRecord();
  void TakeNodeTiming();
  void TakeGameInfo();

  Canvas SurfaceCanvas();
  void ClearScreen();
  void DrawTransitionScreen();
  void DrawFullFrame();
  void RedrawChanged();
  // Around every drawing of the surroundings: whether a comment's next page goes on, and the
  // timing of the page written.
  void BeforeSurroundings();
  void AfterSurroundings();
  void ComputeLayout();
  void PresentAll();
  void RefreshDisplayGrid();
  ShownPosition Position() const;

  // The preview setters' ways of showing a change (show_setters.cpp).
  void SetColour(SettingId id, int32_t value);
  void SetRandomColours(int32_t value);
  void RelayOut();
  void ReplayKeepingColours();
  void DropShownComment();

  ShowHost& host_;
  std::string programDirectory_;
  SettingsRecord settings_;
  FileList files_;
  std::unique_ptr<LoadedRecord> record_;
  SgfArena spareMemory_;
  BoardRenderer board_;
  CGameInfo gameInfo_;
  ShowSurroundings surroundings_;
  // The charset of the game being shown, for every text drawn from the record.
  TextEncoding textEncoding_;

  ShowTiming timing_;
  PositionTiming position_;
  int32_t armedInterval_ = -1;
  int32_t endCounter_ = 0;
  int32_t transitionCounter_ = 0;
  int32_t afterCounter_ = 0;
  int32_t transitionTime_ = 0;
  // The board's placement numbers kx and ky, 0..20: drawn anew for every game.
  int kx_ = 10;
  int ky_ = 10;
};

// The record shown when the list is empty: Tenukiro.sgf in the program's folder,
// or in the data folder of an installed copy.
std::string BundledRecordPath(const std::string& programDirectory);

}  // namespace tenukiro
