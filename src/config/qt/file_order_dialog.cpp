#include "config/qt/file_order_dialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/qt/qt_text.h"

namespace tenukiro {

DragList::DragList(const FileOrder& order, QWidget* parent) : QListWidget(parent), order_(order) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

int DragList::TargetAt(const QPoint& pos) const {
  const int row = indexAt(pos).row();
  if (row >= 0) return row;
  return order_.TargetOutsideEntries(pos.y() < 0);
}

void DragList::mousePressEvent(QMouseEvent* event) {
  const int row = indexAt(event->position().toPoint()).row();
  source_ = event->button() == Qt::LeftButton && order_.CanDrag(row) ? row : -1;
  pressedAt_ = event->position().toPoint();
  QListWidget::mousePressEvent(event);
}

void DragList::mouseMoveEvent(QMouseEvent* event) {
  if (source_ < 0 || !(event->buttons() & Qt::LeftButton)) {
    QListWidget::mouseMoveEvent(event);
    return;
  }
  const QPoint pos = event->position().toPoint();
  if (!dragging_ && (pos - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
  dragging_ = true;
  target_ = TargetAt(pos);
  if (pos.y() < 0 || pos.y() >= viewport()->height()) scrollTo(model()->index(target_, 0));
  viewport()->update();
}

void DragList::mouseReleaseEvent(QMouseEvent* event) {
  const bool dropped = dragging_;
  const int from = source_;
  const int to = TargetAt(event->position().toPoint());
  dragging_ = false;
  source_ = -1;
  viewport()->update();
  QListWidget::mouseReleaseEvent(event);
  if (dropped) emit Dropped(from, to);
}

void DragList::paintEvent(QPaintEvent* event) {
  QListWidget::paintEvent(event);
  if (!dragging_ || target_ < 0) return;
  // The insertion mark: a line above the entry the dragged one will go before.
  const QRect row = visualRect(model()->index(target_, 0));
  QPainter painter(viewport());
  painter.setPen(QPen(palette().color(QPalette::Text), 2));
  painter.drawLine(row.left(), row.top(), row.right(), row.top());
}

FileOrderDialog::FileOrderDialog(std::vector<std::string> paths, QWidget* parent)
    : QDialog(parent), order_(std::move(paths)), list_(new DragList(order_, this)), sort_(nullptr) {
  setWindowTitle(QText(ConfigText::FileOrderTitle));
  auto* column = new QVBoxLayout(this);
  column->addWidget(list_);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton(QText(ConfigText::Ok), this);
  auto* cancel = new QPushButton(QText(ConfigText::Cancel), this);
  sort_ = new QPushButton(QText(ConfigText::Sort), this);
  ok->setDefault(true);
  cancel->setAutoDefault(false);
  sort_->setAutoDefault(false);
  buttons->addStretch(1);
  for (QPushButton* button : {ok, cancel, sort_}) buttons->addWidget(button);
  column->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(sort_, &QPushButton::clicked, this, [this] {
    order_.Sort();
    Fill();
  });
  connect(list_, &DragList::Dropped, this, [this](int from, int to) {
    const int landed = order_.Drop(from, to);
    Fill();
    list_->setCurrentRow(landed);
  });
  resize(520, 360);
  Fill();
}

void FileOrderDialog::Fill() {
  list_->clear();
  for (const std::string& entry : order_.Entries()) list_->addItem(QUtf8(entry));
}

}  // namespace tenukiro
