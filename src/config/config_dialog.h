#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/colours_page.h"
#include "config/config_preview.h"
#include "config/data_exchange.h"
#include "config/others_page.h"
#include "config/spatial_page.h"
#include "config/temporal_page.h"
#include "settings/dialog_settings.h"
#include "settings/profile.h"

namespace tenukiro {

// The tabs, in the order the dialog shows them.
enum ConfigTab : int { TemporalTab, SpatialTab, ColoursTab, OthersTab, kTabCount };

// The configuration dialog without its widgets: the file list, the two show
// options, the four pages and what OK, Cancel and Default do. A host builds its
// controls from it, forwards every control change to it and shows what it holds.
class CConfigDialog {
 public:
  // Which page refused OK, and why.
  struct Refusal {
    ConfigTab tab;
    ExchangeError error;
  };

  // Reads what the dialog edits from the profile. `patternFilesFound` answers the
  // colours page's question whether any pattern bitmap can be read.
  CConfigDialog(Profile& profile, ConfigPreview& preview, std::function<bool()> patternFilesFound);

  const std::vector<std::string>& Files() const { return values_.files; }
  bool RandomAccessChecked() const { return randomAccess_; }
  bool SgfPriorityChecked() const { return sgfPriority_; }
  CTemporalPage& Temporal() { return temporal_; }
  CSpatialPage& Spatial() { return spatial_; }
  CColoursPage& Colours() { return colours_; }
  COthersPage& Others() { return others_; }

  // The tab the dialog opens on (profile value LastPage).
  ConfigTab InitialTab() const;
  // The folder the Add file dialog starts in (profile value InitialDir).
  std::string InitialDir() const;
  // The preview starts with the dialog's own sizes.
  void StartPreview();

  // Appends the chosen files in the order given and remembers their folder for the
  // next Add at once, whatever the dialog's outcome.
  void AddFiles(const std::vector<std::string>& paths);
  // Removes the lines at these indices (any order, duplicates allowed).
  void RemoveFiles(std::vector<int> lines);
  // The file order dialog ended with OK.
  void ReorderFiles(std::vector<std::string> paths);
  void OnRandomAccess(bool checked);
  void OnSgfPriority(bool checked);

  // Every option back to its default; the file list and the tab stay as they are.
  void Default();

  // OK: the pages hand back their values in tab order; the first that refuses stops
  // it and nothing is written. Otherwise LastPage, then every setting, is written.
  std::optional<Refusal> Accept(int currentTab);
  // Cancel writes only LastPage.
  void Cancel(int currentTab);

  // What OK wrote (the values read at opening until then).
  const DialogSettings& Values() const { return values_; }

 private:
  Profile& profile_;
  ConfigPreview& preview_;
  DialogSettings values_;
  bool randomAccess_;
  bool sgfPriority_;
  CTemporalPage temporal_;
  CSpatialPage spatial_;
  CColoursPage colours_;
  COthersPage others_;
};

// The folder part of a chosen path: the text before its last separator, slash or
// backslash ("/a/b.sgf" gives "/a", "C:\g\b.sgf" gives "C:\g", "/b.sgf" gives "/"),
// or nothing when the path names no folder.
std::optional<std::string> FolderOf(const std::string& path);

}  // namespace tenukiro
