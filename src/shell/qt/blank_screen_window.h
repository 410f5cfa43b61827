#pragma once

#include <QWidget>

namespace tenukiro {

class ShowWidget;

// A black window over a screen beside the saver's. It shows no cursor and never
// takes the focus from the saver; input on it counts as input on the saver.
class BlankScreenWindow : public QWidget {
  Q_OBJECT

 public:
  BlankScreenWindow(QScreen* screen, ShowWidget& saver);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ShowWidget& saver_;
};

}  // namespace tenukiro
