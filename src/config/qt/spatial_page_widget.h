#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QWidget>

#include <array>

#include "config/qt/spin_edit.h"
#include "config/spatial_page.h"

namespace tenukiro {

// The spatial page: stone radius, grid position and the assistant's area.
class SpatialPageWidget : public QWidget {
  Q_OBJECT

 public:
  SpatialPageWidget(CSpatialPage& page, QWidget* parent = nullptr);

  SpinEdit* Edit(CSpatialPage::Edit edit) const { return edits_[edit]; }
  QRadioButton* PositionButton(int position) const { return positions_[position]; }
  QCheckBox* CustomWidthBox() const { return customWidth_; }
  // Shows what the page holds (after Default).
  void Refresh();

 private:
  void Apply(CSpatialPage::Edit edit, const QString& text);
  void UpdateEnabling();

  CSpatialPage& page_;
  std::array<SpinEdit*, CSpatialPage::kEditCount> edits_{};
  std::array<QRadioButton*, 3> positions_{};
  QCheckBox* customHeight_ = nullptr;
  QCheckBox* customWidth_ = nullptr;
};

}  // namespace tenukiro
