#include "config/config_dialog.h"

#include <algorithm>

#include "settings/other_values.h"
#include "settings/setting_table.h"

namespace tenukiro {

std::optional<std::string> FolderOf(const std::string& path) {
  // The file dialogs of both systems give paths with their own separator.
  const size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return std::nullopt;
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

CConfigDialog::CConfigDialog(Profile& profile, ConfigPreview& preview, std::function<bool()> patternFilesFound)
    : profile_(profile),
      preview_(preview),
      values_(ReadDialogSettings(profile)),
      randomAccess_(values_.values[RandomAccess] == 1),
      sgfPriority_(values_.values[SgfPriority] != 0),
      temporal_(preview),
      spatial_(preview),
      colours_(preview, profile, std::move(patternFilesFound)),
      others_(preview) {
  temporal_.Load(values_);
  spatial_.Load(values_);
  colours_.Load(values_);
  others_.Load(values_);
}

ConfigTab CConfigDialog::InitialTab() const {
  const int32_t page = ReadLastPage(profile_);
  return page >= SpatialTab && page <= OthersTab ? static_cast<ConfigTab>(page) : TemporalTab;
}

std::string CConfigDialog::InitialDir() const { return ReadInitialDir(profile_); }

void CConfigDialog::StartPreview() { spatial_.GiveSizesToPreview(); }

void CConfigDialog::AddFiles(const std::vector<std::string>& paths) {
  if (paths.empty()) return;
  values_.files.insert(values_.files.end(), paths.begin(), paths.end());
  preview_.SetFileList(values_.files);
  if (const auto folder = FolderOf(paths.back())) WriteInitialDir(profile_, *folder);
}

void CConfigDialog::RemoveFiles(std::vector<int> lines) {
  // Remove with nothing selected does nothing, not even a new list for the preview.
  if (lines.empty()) return;
  std::sort(lines.begin(), lines.end(), std::greater<>());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  for (const int line : lines) {
    if (line >= 0 && line < static_cast<int>(values_.files.size())) values_.files.erase(values_.files.begin() + line);
  }
  preview_.SetFileList(values_.files);
}

void CConfigDialog::ReorderFiles(std::vector<std::string> paths) {
  values_.files = std::move(paths);
  preview_.SetFileList(values_.files);
}

void CConfigDialog::OnRandomAccess(bool checked) {
  randomAccess_ = checked;
  preview_.SetRandomAccess(checked ? 1 : 0);
}

void CConfigDialog::OnSgfPriority(bool checked) {
  sgfPriority_ = checked;
  preview_.SetSgfPriority(checked ? 1 : 0);
}

void CConfigDialog::Default() {
  OnRandomAccess(InfoOf(RandomAccess).defaultValue == 1);
  OnSgfPriority(InfoOf(SgfPriority).defaultValue != 0);
  temporal_.Default();
  spatial_.Default();
  colours_.Default();
  others_.Default();
}

std::optional<CConfigDialog::Refusal> CConfigDialog::Accept(int currentTab) {
  DialogSettings exchanged = values_;
  temporal_.Exchange(exchanged);
  if (auto error = spatial_.Exchange(exchanged)) return Refusal{SpatialTab, std::move(*error)};
  colours_.Exchange(exchanged);
  others_.Exchange(exchanged);
  WriteLastPage(profile_, currentTab);
  exchanged.values[RandomAccess] = randomAccess_ ? 1 : 0;
  exchanged.values[SgfPriority] = sgfPriority_ ? 1 : 0;
  values_ = std::move(exchanged);
  WriteDialogSettings(profile_, values_);
  return std::nullopt;
}

void CConfigDialog::Cancel(int currentTab) { WriteLastPage(profile_, currentTab); }

}  // namespace tenukiro
