#include "config/qt/temporal_page_widget.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

#include "config/qt/qt_text.h"

namespace tenukiro {

TemporalPageWidget::TemporalPageWidget(CTemporalPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  auto* grid = new QGridLayout(this);
  for (size_t i = 0; i < sliders_.size(); ++i) {
    const int index = static_cast<int>(i);
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(0, CTemporalPage::kMaximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(CTemporalPage::kTickInterval);
    slider->setPageStep(CTemporalPage::kPageStep);
    slider->setSingleStep(CTemporalPage::kLineStep);
    slider->setValue(page_.Position(index));
    connect(slider, &QSlider::valueChanged, this, [this, index](int position) { OnValueChanged(index, position); });
    connect(slider, &QSlider::sliderReleased, this, [] { QToolTip::hideText(); });
    sliders_[i] = slider;
    grid->addWidget(new QLabel(QText(CTemporalPage::kSliders[i].caption), this), index, 0);
    grid->addWidget(slider, index, 1);
  }
  grid->setColumnStretch(1, 1);
}

QString TemporalPageWidget::TipText(int index) const { return QUtf8(page_.TipText(index)); }

void TemporalPageWidget::OnValueChanged(int index, int position) {
  page_.OnSliderMoved(index, position);
  QSlider* slider = sliders_[index];
  if (!slider->isSliderDown()) return;
  // Above the thumb, as long as the user drags it.
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  option.tickPosition = slider->tickPosition();
  const QRect thumb = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
  QToolTip::showText(slider->mapToGlobal(QPoint(thumb.center().x(), thumb.top() - 28)), TipText(index), slider);
}

void TemporalPageWidget::Refresh() {
  for (size_t i = 0; i < sliders_.size(); ++i) {
    const QSignalBlocker quiet(sliders_[i]);
    sliders_[i]->setValue(page_.Position(static_cast<int>(i)));
  }
}

}  // namespace tenukiro
