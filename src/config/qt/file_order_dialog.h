#pragma once

#include <QDialog>
#include <QListWidget>

#include <string>
#include <vector>

#include "config/file_order.h"

namespace tenukiro {

// A list whose entries move by dragging: an insertion mark follows the pointer and
// the release asks for the move. The order itself decides what may move where.
class DragList : public QListWidget {
  Q_OBJECT

 public:
  DragList(const FileOrder& order, QWidget* parent = nullptr);

  // The entry a drop at `pos` goes before: the entry under it, the empty last entry
  // below the entries.
  int TargetAt(const QPoint& pos) const;

 signals:
  void Dropped(int from, int to);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  const FileOrder& order_;
  int source_ = -1;
  int target_ = -1;
  bool dragging_ = false;
  QPoint pressedAt_;
};

// "Change order...": the paths in a drag list followed by an empty entry, and a
// Sort button that sorts up, then down, alternately.
class FileOrderDialog : public QDialog {
  Q_OBJECT

 public:
  FileOrderDialog(std::vector<std::string> paths, QWidget* parent = nullptr);

  std::vector<std::string> Paths() const { return order_.Paths(); }
  DragList* List() const { return list_; }
  QPushButton* SortButton() const { return sort_; }

 private:
  void Fill();

  FileOrder order_;
  DragList* list_;
  QPushButton* sort_;
};

}  // namespace tenukiro
