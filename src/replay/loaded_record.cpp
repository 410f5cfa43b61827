#include "replay/loaded_record.h"

#include "sgf/game_file.h"
#include "sgf/sgf_reader.h"

namespace tenukiro {

LoadedRecord::LoadedRecord(const std::string& path, SettingsRecord& settings, SgfArena memory)
    : LoadedRecord(ReadGameFile(path), settings, std::move(memory)) {}

LoadedRecord::LoadedRecord(SgfText text, SettingsRecord& settings, SgfArena memory)
    : text_(std::move(text)),
      collection_(context_, std::move(memory)),
      player_(collection_, board_, settings, state_) {
  if (text_.IsGone()) text_ = SgfText(kEmptyGameText);
  BeginParse(collection_, text_);
  request_ = player_.ApplyNode(collection_.CurrentRoot());
}

SgfArena LoadedRecord::Recycle(std::unique_ptr<LoadedRecord> record) {
  if (!record) return {};
  return std::move(record->collection_).TakeMemory();
}

LoadedRecord::Step LoadedRecord::NextStep() {
  SgfNode* cursor = collection_.Cursor();
  SgfNode* next = collection_.NextNodePreorder(cursor, text_);
  if (!next) return Step{};
  collection_.SelectVariation(next);
  if (next == collection_.CurrentRoot()) return Step{next, StepKind::NewGame};
  if (cursor && next == cursor->FirstChild()) return Step{next, StepKind::FirstChild};
  return Step{next, StepKind::Jump};
}

void LoadedRecord::ApplyStep(const Step& step) {
  switch (step.kind) {
    case StepKind::FirstChild:
      request_ = player_.ApplyNode(step.node);
      break;
    case StepKind::NewGame:
    case StepKind::Jump:
      ReplayToNode(step.node);
      break;
    case StepKind::End:
      break;
  }
}

void LoadedRecord::ReplayToNode(const SgfNode* node) {
  if (collection_.CurrentRoot()) request_ = player_.ReplayToNode(node);
}

}  // namespace tenukiro
