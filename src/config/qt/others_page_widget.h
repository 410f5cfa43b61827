#pragma once

#include <QCheckBox>
#include <QWidget>

#include <array>

#include "config/others_page.h"

namespace tenukiro {

// The others page: ten display switches, and below them the show on every monitor.
class OthersPageWidget : public QWidget {
  Q_OBJECT

 public:
  OthersPageWidget(COthersPage& page, QWidget* parent = nullptr);

  QCheckBox* Box(int index) const { return boxes_[index]; }
  QCheckBox* AllScreensBox() const { return allScreens_; }
  // Shows what the page holds (after Default).
  void Refresh();

 private:
  COthersPage& page_;
  std::array<QCheckBox*, COthersPage::kSwitches.size()> boxes_{};
  QCheckBox* allScreens_ = nullptr;
};

}  // namespace tenukiro
