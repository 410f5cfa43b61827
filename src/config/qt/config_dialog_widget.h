#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/config_dialog.h"
#include "config/config_preview.h"
#include "config/qt/colours_page_widget.h"
#include "config/qt/preview_window.h"
#include "settings/profile.h"

namespace tenukiro {

class TemporalPageWidget;
class SpatialPageWidget;
class OthersPageWidget;

// The multiple-selection file-open dialog of the toolkit, titled "Add...": the chosen
// paths, empty when cancelled.
std::vector<std::string> ChooseFilesWithQt(QWidget* parent, const std::string& folder);
using FileChooser = std::function<std::vector<std::string>(QWidget* parent, const std::string& folder)>;

// What the dialog needs from outside: where the program's files are, the help page
// of the interface language, the live preview the host makes, and the dialogs it opens
// (replaceable in tests). Without a preview factory the dialog runs without a preview.
struct ConfigDialogServices {
  std::string programDirectory;
  std::string helpPage;
  PreviewFactory makePreview;
  FileChooser chooseFiles = ChooseFilesWithQt;
  ColourChooser chooseColour = ChooseColourWithQt;
};

// The configuration dialog: the SGF file list, the two show options, the four pages
// and the live preview beside them. OK writes the profile; Cancel only the tab.
class ConfigDialogWidget : public QDialog {
  Q_OBJECT

 public:
  ConfigDialogWidget(Profile& profile, ConfigDialogServices services, QWidget* parent = nullptr);
  ~ConfigDialogWidget() override;

  QListWidget* FileListBox() const { return files_; }
  QTabWidget* Tabs() const { return tabs_; }
  QPushButton* Button(ConfigText caption) const;
  QCheckBox* RandomOrderBox() const { return randomOrder_; }
  TemporalPageWidget* Temporal() const { return temporal_; }
  SpatialPageWidget* Spatial() const { return spatial_; }
  ColoursPageWidget* Colours() const { return colours_; }
  OthersPageWidget* Others() const { return others_; }
  PreviewWindow* Preview() const { return preview_; }

  void accept() override;
  void reject() override;

 private:
  QWidget* BuildFileGroup();
  QWidget* BuildTabs();
  void AddWindowMenu();
  void FillFileList();
  void AddFiles();
  void RemoveFiles();
  void ChangeOrder();
  void RestoreDefaults();
  void ShowAbout();

  ConfigDialogServices services_;
  PreviewWindow* preview_ = nullptr;
  std::unique_ptr<ConfigPreview> previewLink_;
  std::unique_ptr<CConfigDialog> logic_;
  QListWidget* files_ = nullptr;
  QCheckBox* randomOrder_ = nullptr;
  QCheckBox* priority_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  TemporalPageWidget* temporal_ = nullptr;
  SpatialPageWidget* spatial_ = nullptr;
  ColoursPageWidget* colours_ = nullptr;
  OthersPageWidget* others_ = nullptr;
  std::vector<std::pair<ConfigText, QPushButton*>> buttons_;
};

}  // namespace tenukiro
