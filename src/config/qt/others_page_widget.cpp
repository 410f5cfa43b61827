#include "config/qt/others_page_widget.h"

#include <QGridLayout>

#include "config/qt/qt_text.h"

namespace tenukiro {

OthersPageWidget::OthersPageWidget(COthersPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  auto* grid = new QGridLayout(this);
  const int rows = static_cast<int>(boxes_.size() + 1) / 2;
  for (size_t i = 0; i < boxes_.size(); ++i) {
    const int index = static_cast<int>(i);
    boxes_[i] = new QCheckBox(QText(COthersPage::kSwitches[i].caption), this);
    connect(boxes_[i], &QCheckBox::clicked, this, [this, index](bool checked) { page_.OnClicked(index, checked); });
    grid->addWidget(boxes_[i], index % rows, index / rows);
  }
  allScreens_ = new QCheckBox(QText(ConfigText::AllScreensCheck), this);
  connect(allScreens_, &QCheckBox::clicked, this, [this](bool checked) { page_.OnAllScreens(checked); });
  grid->addWidget(allScreens_, rows, 0, 1, 2);
  grid->setRowStretch(rows + 1, 1);
  Refresh();
}

void OthersPageWidget::Refresh() {
  for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setChecked(page_.Checked(static_cast<int>(i)));
  allScreens_->setChecked(page_.AllScreensChecked());
}

}  // namespace tenukiro
