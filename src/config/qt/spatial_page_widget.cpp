#include "config/qt/spatial_page_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "config/qt/qt_text.h"

namespace tenukiro {

SpatialPageWidget::SpatialPageWidget(CSpatialPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  for (int i = 0; i < CSpatialPage::kEditCount; ++i) {
    const auto edit = static_cast<CSpatialPage::Edit>(i);
    edits_[i] = new SpinEdit(this);
    connect(edits_[i], &SpinEdit::Typed, this, [this, edit](const QString& text) { Apply(edit, text); });
    connect(edits_[i], &SpinEdit::Stepped, this, [this, edit](int delta) {
      const QString text = QUtf8(page_.SpinStep(edit, delta));
      edits_[edit]->SetText(text);
      Apply(edit, text);
    });
  }
  auto* column = new QVBoxLayout(this);

  auto* stones = new QGroupBox(QText(ConfigText::StonesGroup), this);
  auto* stonesRow = new QGridLayout(stones);
  stonesRow->addWidget(new QLabel(QText(ConfigText::RadiusLabel), stones), 0, 0);
  stonesRow->addWidget(edits_[CSpatialPage::Radius], 0, 1, Qt::AlignLeft);
  column->addWidget(stones);

  auto* grid = new QGroupBox(QText(ConfigText::GridPositionGroup), this);
  auto* gridRows = new QGridLayout(grid);
  const ConfigText captions[3] = {ConfigText::CenterRadio, ConfigText::RandomRadio, ConfigText::CustomRadio};
  for (int position = 0; position < 3; ++position) {
    positions_[position] = new QRadioButton(QText(captions[position]), grid);
    gridRows->addWidget(positions_[position], position, 0);
    connect(positions_[position], &QRadioButton::clicked, this, [this, position] {
      page_.OnGridPosition(position);
      UpdateEnabling();
    });
  }
  gridRows->addWidget(new QLabel(QText(ConfigText::GridXLabel), grid), 1, 1);
  gridRows->addWidget(edits_[CSpatialPage::X], 1, 2, Qt::AlignLeft);
  gridRows->addWidget(new QLabel(QText(ConfigText::GridYLabel), grid), 2, 1);
  gridRows->addWidget(edits_[CSpatialPage::Y], 2, 2, Qt::AlignLeft);
  column->addWidget(grid);

  auto* area = new QGroupBox(QText(ConfigText::AssistantAreaGroup), this);
  auto* areaRows = new QGridLayout(area);
  customWidth_ = new QCheckBox(QText(ConfigText::CustomWidthCheck), area);
  customHeight_ = new QCheckBox(QText(ConfigText::CustomHeightCheck), area);
  areaRows->addWidget(customWidth_, 0, 0);
  areaRows->addWidget(edits_[CSpatialPage::Width], 0, 1, Qt::AlignLeft);
  areaRows->addWidget(customHeight_, 1, 0);
  areaRows->addWidget(edits_[CSpatialPage::Height], 1, 1, Qt::AlignLeft);
  connect(customWidth_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.OnCustomWidth(checked);
    UpdateEnabling();
  });
  connect(customHeight_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.OnCustomHeight(checked);
    UpdateEnabling();
  });
  column->addWidget(area);
  column->addStretch(1);
  Refresh();
}

void SpatialPageWidget::Apply(CSpatialPage::Edit edit, const QString& text) {
  if (const auto shown = page_.OnEditChanged(edit, text.toStdString())) edits_[edit]->SetText(QUtf8(*shown));
}

void SpatialPageWidget::UpdateEnabling() {
  edits_[CSpatialPage::X]->setEnabled(page_.GridOffsetsEnabled());
  edits_[CSpatialPage::Y]->setEnabled(page_.GridOffsetsEnabled());
  edits_[CSpatialPage::Width]->setEnabled(page_.WidthEnabled());
  edits_[CSpatialPage::Height]->setEnabled(page_.HeightEnabled());
}

void SpatialPageWidget::Refresh() {
  for (int i = 0; i < CSpatialPage::kEditCount; ++i) {
    edits_[i]->SetText(QUtf8(page_.EditText(static_cast<CSpatialPage::Edit>(i))));
  }
  positions_[page_.CheckedGridRadio()]->setChecked(true);
  customWidth_->setChecked(page_.CustomWidth());
  customHeight_->setChecked(page_.CustomHeight());
  UpdateEnabling();
}

}  // namespace tenukiro
