#pragma once

#include <QSlider>
#include <QWidget>

#include <array>

#include "config/temporal_page.h"

namespace tenukiro {

// The temporal page: five time sliders whose value tip shows the time above the
// thumb while it moves.
class TemporalPageWidget : public QWidget {
  Q_OBJECT

 public:
  TemporalPageWidget(CTemporalPage& page, QWidget* parent = nullptr);

  QSlider* Slider(int index) const { return sliders_[index]; }
  // The tip the slider shows while it moves.
  QString TipText(int index) const;
  // Shows what the page holds (after Default).
  void Refresh();

 private:
  void OnValueChanged(int index, int position);

  CTemporalPage& page_;
  std::array<QSlider*, CTemporalPage::kSliders.size()> sliders_{};
};

}  // namespace tenukiro
