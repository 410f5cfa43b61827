// Feeds arbitrary bytes as a record through everything the show does with it: the
// annotation steps of every node in show order and the board drawing of each step,
// incremental and in full, checking the board's consistency after every step. The last
// two bytes choose which display settings are on, so the record text stays at the front
// where the seeds' records begin.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "render/board_renderer.h"
#include "replay/board_diagram.h"
#include "replay/loaded_record.h"
#include "settings/settings_record.h"

namespace {

using namespace tenukiro;

constexpr SettingId kSwitches[] = {SgfPriority, Comment, Assistant, MarkOnLastMove, MarksAndLabels,
                                   Numbering,   AsInBooks, Indices,  StarPoints,     Lines};
// Enough steps for captures, a variation's jump and a second game tree; every step
// costs a consistency check and a redraw, and later steps of a long record only
// repeat what earlier ones did.
constexpr long kMaxSteps = 32;

SettingsRecord ReadSettings(uint16_t bits) {
  MemoryProfile profile;
  for (size_t i = 0; i < std::size(kSwitches); ++i) {
    profile.WriteInt(InfoOf(kSwitches[i]).name, (bits >> i) & 1);
  }
  profile.WriteInt("With3DEffect", 0);
  profile.WriteInt("StoneRadius", 4 + (bits >> 12));
  return ReadShowSettings(profile);
}

// Reading a profile costs as much as a short record's steps, and the record's own
// options change the copy it is given, so each mix is read once and copied.
SettingsRecord SettingsFrom(uint16_t bits) {
  static std::unordered_map<uint16_t, SettingsRecord> read;
  bits &= ((1u << std::size(kSwitches)) - 1) | 0xF000u;
  auto found = read.find(bits);
  if (found == read.end()) found = read.emplace(bits, ReadSettings(bits)).first;
  return found->second;
}

void Draw(BoardRenderer& renderer, const LoadedRecord& record, const SettingsRecord& settings, Raster& raster) {
  LayoutInputs in;
  in.clientWidth = raster.width();
  in.clientHeight = raster.height();
  in.screenWidth = raster.width();
  in.view = record.State().view;
  renderer.SetLayout(ComputeLayout(settings, in, NoInfoBlock{}, renderer.Layout()));
  Canvas canvas(raster);
  renderer.DrawFullFrame(canvas);
}

void CheckBoard(const Board& board, long step) {
  const std::string error = board.CheckConsistency();
  if (error.empty()) return;
  std::fprintf(stderr, "board inconsistent after step %ld: %s\n%s", step, error.c_str(), DrawPosition(board).c_str());
  std::abort();
}

// Shows the record's first steps the way the show does, drawing into a small raster.
void Play(LoadedRecord& record, SettingsRecord& settings) {
  Raster raster(64, 48);
  BoardRenderer renderer(settings);
  const auto position = [&] { return ShownPosition{record.GetBoard(), record.State(), record.Player()}; };
  CheckBoard(record.GetBoard(), 0);
  renderer.RefreshDisplayGrid(position());
  Draw(renderer, record, settings, raster);
  for (long step = 1; step <= kMaxSteps; ++step) {
    const LoadedRecord::Step next = record.NextStep();
    if (next.kind == LoadedRecord::StepKind::End) break;
    if (next.kind == LoadedRecord::StepKind::NewGame) {
      record.ApplyStep(next);
      CheckBoard(record.GetBoard(), step);
      renderer.RefreshDisplayGrid(position());
      Draw(renderer, record, settings, raster);
      continue;
    }
    renderer.CommitDisplay();
    record.ApplyStep(next);
    CheckBoard(record.GetBoard(), step);
    Canvas canvas(raster);
    renderer.RedrawChanged(canvas, position());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // Kept from run to run, as the show hands it from record to record: each run then
  // fills pages already mapped instead of reserving and faulting in a region afresh.
  static SgfArena memory;
  SettingsRecord settings = SettingsFrom(static_cast<uint16_t>(data[size - 2] | (data[size - 1] << 8)));
  const std::string_view text(reinterpret_cast<const char*>(data), size - 2);
  auto record = std::make_unique<LoadedRecord>(SgfText(text), settings, std::move(memory));
  Play(*record, settings);
  memory = LoadedRecord::Recycle(std::move(record));
  return 0;
}
