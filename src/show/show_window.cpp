#include "show/show_window.h"

#include <algorithm>
#include <string>

#include "base/data_files.h"
#include "base/random_source.h"
#include "render/font.h"
#include "show/random_colours.h"

namespace tenukiro {

std::string BundledRecordPath(const std::string& programDirectory) {
  return DataFilePath(programDirectory, "Tenukiro.sgf");
}

CShowWnd::CShowWnd(const Profile& profile, ShowHost& host, std::string programDirectory,
                   SphereImageRenderer* spheres)
    : host_(host),
      programDirectory_(std::move(programDirectory)),
      settings_(ReadShowSettings(profile)),
      files_(ReadFileList(profile)),
      board_(settings_, PatternPathsFor(profile, programDirectory_), spheres, &surroundings_),
      surroundings_(settings_, board_, gameInfo_, spheres) {
  if (!files_.Empty() && settings_.Registry(RandomAccess) == 1) files_.Advance(RandomInt(files_.Count()));
}

CShowWnd::~CShowWnd() = default;

void CShowWnd::OnCreate() {
  LoadCurrentRecord();
  kx_ = 10;
  ky_ = 10;
}

std::string CShowWnd::CurrentRecordPath() const {
  return files_.Empty() ? BundledRecordPath(programDirectory_) : files_.Current();
}

void CShowWnd::LoadCurrentRecord() {
  ReleaseRecord();
  record_ = std::make_unique<LoadedRecord>(CurrentRecordPath(), settings_, std::move(spareMemory_));
  surroundings_.Show(record_.get());
  timing_.state = ShowState::NextPosition;
  TakeGameInfo();
  TakeNodeTiming();
  if (settings_.On(RandomColors)) RandomizeColours(settings_);
  RefreshDisplayGrid();
}

void CShowWnd::ReleaseRecord() {
  surroundings_.Show(nullptr);
  // The tree's memory waits for the next record: refilling its pages is cheaper than faulting in fresh ones.
  if (record_) spareMemory_ = LoadedRecord::Recycle(std::move(record_));
}

// The node's request sets the wait; it sets the state only while the assistant steps through
// poses. Taken before the position is drawn, whose comment page then adjusts both.
void CShowWnd::TakeNodeTiming() {
  const NodeRequest& request = record_->Request();
  StartPosition(position_, request);
  timing_.nextWait = request.FirstWait();
  if (settings_.On(Assistant)) timing_.state = request.StepsPoses() ? ShowState::NextPose : ShowState::NextPosition;
}

// Every replay from a game root looks the texts up again: a variation may hold its own.
void CShowWnd::TakeGameInfo() {
  textEncoding_ = TextEncoding::OfGame(record_->Collection().CurrentRoot());
  gameInfo_.SetInfo(record_->State().gameInfo, textEncoding_);
}

void CShowWnd::OnTimer() {
  switch (timing_.state) {
    case ShowState::NextPosition:
      StepNextPosition();
      break;
    case ShowState::MorePages:
      StepMorePages();
      break;
    case ShowState::NextPose:
      StepNextPose();
      break;
    case ShowState::EndWait:
      StepEndWait();
      break;
    case ShowState::Transition:
      StepTransition();
      break;
    case ShowState::AfterTransition:
      StepAfterTransition();
      break;
  }
  SetShowTimer(timing_.nextWait);
  // Folders in the list are read a step per tick, after the tick's drawing.
  files_.Grow();
}

void CShowWnd::StepNextPosition() {
  const LoadedRecord::Step step = record_->NextStep();
  switch (step.kind) {
    case LoadedRecord::StepKind::End:
      timing_.nextWait = kEndTick;
      endCounter_ = 0;
      timing_.state = ShowState::EndWait;
      return;
    case LoadedRecord::StepKind::NewGame:
      record_->ApplyStep(step);
      TakeGameInfo();
      TakeNodeTiming();
      ComputeLayout();
      if (settings_.On(RandomColors)) RandomizeColours(settings_);
      RefreshDisplayGrid();
      ClearScreen();
      DrawFullFrame();
      break;
    case LoadedRecord::StepKind::FirstChild:
      board_.CommitDisplay();
      record_->ApplyStep(step);
      TakeNodeTiming();
      RedrawChanged();
      break;
    case LoadedRecord::StepKind::Jump: {
      board_.CommitDisplay();
      // A jump replays the line from the root, which resets the record's colours:
      // the game's random scheme is kept across it.
      const bool randomBefore = settings_.On(RandomColors);
      if (randomBefore) settings_.SaveEffectiveColours();
      record_->ApplyStep(step);
      TakeGameInfo();
      TakeNodeTiming();
      if (settings_.On(RandomColors)) settings_.RestoreEffectiveColours();
      RedrawChanged();
      break;
    }
  }
}

void CShowWnd::StepNextPose() {
  board_.CommitDisplay();
  const SgfValue* value = position_.currentXa;
  const ScriptPose pose = ReadScriptValue(value ? value->Text() : nullptr);
  ShowPose(record_->State(), pose);
  // A value without a duration of its own keeps the wait as it stands.
  StepPose(position_, pose, timing_.nextWait);
  if (value) position_.currentXa = value->Next();
  if (position_.currentXa == position_.firstXa) timing_.state = ShowState::NextPosition;
  RedrawChanged();
}

void CShowWnd::StepMorePages() {
  Canvas canvas = SurfaceCanvas();
  std::vector<Rect> changed;
  BeforeSurroundings();
  surroundings_.DrawNextPage(canvas, changed);
  AfterSurroundings();
  for (const Rect& rect : changed) host_.Present(rect);
}

void CShowWnd::StepEndWait() {
  if (endCounter_ == 0) ClearScreen();
  endCounter_ += kEndTick;
  if (endCounter_ <= settings_.Effective(BeforeSplashDelay)) return;
  transitionTime_ = ((settings_.Effective(SplashDelay) + kExtraTransitionMs) / 100) * 100;
  if (transitionTime_ != 0) {
    transitionCounter_ = 0;
    timing_.state = ShowState::Transition;
  } else {
    afterCounter_ = 0;
    timing_.state = ShowState::AfterTransition;
  }
}

void CShowWnd::StepTransition() {
  if (transitionCounter_ == 0) DrawTransitionScreen();
  transitionCounter_ += kEndTick;
  if (transitionCounter_ <= transitionTime_) return;
  afterCounter_ = 0;
  timing_.state = ShowState::AfterTransition;
}

void CShowWnd::StepAfterTransition() {
  if (afterCounter_ == 0) ClearScreen();
  afterCounter_ += kEndTick;
  if (afterCounter_ <= settings_.Effective(AfterSplashDelay)) return;
  ReleaseRecord();
  if (!files_.Empty()) files_.Next(settings_.Effective(RandomAccess) == 1);
  LoadCurrentRecord();
  kx_ = RandomInt(21);
  ky_ = RandomInt(21);
  ComputeLayout();
  ClearScreen();
  DrawFullFrame();
}

void CShowWnd::SetShowTimer(int32_t interval) {
  if (interval == armedInterval_) return;
  host_.ArmTimer(std::max(interval, 1));
  armedInterval_ = interval;
}

void CShowWnd::OnPaint() {
  if (!record_) {
    ClearScreen();
    return;
  }
  ComputeLayout();
  switch (timing_.state) {
    case ShowState::NextPosition:
    case ShowState::NextPose:
    case ShowState::MorePages:
      ClearScreen();
      DrawFullFrame();
      break;
    case ShowState::EndWait:
    case ShowState::AfterTransition:
      ClearScreen();
      break;
    case ShowState::Transition:
      ClearScreen();
      DrawTransitionScreen();
      break;
  }
  SetShowTimer(timing_.nextWait);
}

Canvas CShowWnd::SurfaceCanvas() {
  Canvas canvas(host_.Surface());
  canvas.SetTextEncoding(textEncoding_);
  return canvas;
}

void CShowWnd::PresentAll() {
  const Size client = host_.ClientSize();
  host_.Present(Rect{0, 0, client.width, client.height});
}

void CShowWnd::ClearScreen() {
  Canvas canvas = SurfaceCanvas();
  const Size client = host_.ClientSize();
  canvas.ClearRect(Rect{0, 0, client.width, client.height}, static_cast<Color>(settings_.Effective(ScreenBackgroundColor)));
  PresentAll();
}

void CShowWnd::DrawTransitionScreen() {
  const Size client = host_.ClientSize();
  const Size screen = host_.ScreenSize();
  int scale = 1;
  if (client.width > 0 && client.height > 0) {
    scale = std::max(1, std::min(screen.width / client.width, screen.height / client.height));
  }
  const int height = std::max(1, 120 / scale);
  Canvas canvas = SurfaceCanvas();
  canvas.SelectFont(Font("Arial", height, 400));
  canvas.SetTextColor(static_cast<Color>(settings_.Effective(ScreenTextColor)));
  canvas.SetBkColor(static_cast<Color>(settings_.Effective(ScreenBackgroundColor)));
  canvas.SetBkMode(BkMode::kOpaque);
  canvas.SetTextAlign(TextAlign::kCenterTop);
  canvas.TextOut(client.width / 2, (client.height - height) / 2, "ZANKIRO");
  PresentAll();
}

ShownPosition CShowWnd::Position() const {
  return ShownPosition{record_->GetBoard(), record_->State(), record_->Player()};
}

void CShowWnd::RefreshDisplayGrid() { board_.RefreshDisplayGrid(Position()); }

void CShowWnd::ComputeLayout() {
  LayoutInputs inputs;
  inputs.clientWidth = host_.ClientSize().width;
  inputs.clientHeight = host_.ClientSize().height;
  inputs.screenWidth = host_.ScreenSize().width;
  inputs.view = record_->State().view;
  inputs.kx = kx_;
  inputs.ky = ky_;
  board_.SetLayout(tenukiro::ComputeLayout(settings_, inputs, gameInfo_, board_.Layout()));
}

void CShowWnd::DrawFullFrame() {
  Canvas canvas = SurfaceCanvas();
  BeforeSurroundings();
  board_.DrawFullFrame(canvas);
  AfterSurroundings();
  PresentAll();
}

void CShowWnd::RedrawChanged() {
  Canvas canvas = SurfaceCanvas();
  BeforeSurroundings();
  const std::vector<Rect> changed = board_.RedrawChanged(canvas, Position());
  AfterSurroundings();
  for (const Rect& rect : changed) host_.Present(rect);
}

void CShowWnd::BeforeSurroundings() { surroundings_.ContinueComment(timing_.state == ShowState::MorePages); }

void CShowWnd::AfterSurroundings() {
  const WrittenPage page = surroundings_.TakeWrittenPage();
  if (record_) HandBackPage(page, position_, timing_);
}

void CShowWnd::ReplayToNode(const SgfNode* node) {
  record_->ReplayToNode(node);
  TakeGameInfo();
  TakeNodeTiming();
  RefreshDisplayGrid();
}

void CShowWnd::SetFileList(const std::vector<std::string>& files) {
  const bool countChanged = static_cast<int>(files.size()) != files_.EntryCount();
  files_ = FileList(files);
  if (!countChanged) return;
  LoadCurrentRecord();
  OnPaint();
}

void CShowWnd::SetRandomAccess(int32_t value) { settings_.SetRegistryValue(RandomAccess, value); }

void CShowWnd::SetSgfPriority(int32_t value) {
  if (value == settings_.Registry(SgfPriority)) return;
  const bool recordSetIt = !settings_.FromRegistry(SgfPriority);
  settings_.SetRegistryValue(SgfPriority, value);
  if (recordSetIt) return;
  const bool randomBefore = settings_.On(RandomColors);
  if (randomBefore) settings_.SaveEffectiveColours();
  ReplayToNode(record_->Collection().Cursor());
  if (settings_.On(RandomColors)) {
    if (randomBefore) {
      settings_.RestoreEffectiveColours();
    } else {
      RandomizeColours(settings_);
    }
  }
  OnPaint();
}

}  // namespace tenukiro
