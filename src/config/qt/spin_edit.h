#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace tenukiro {

// An edit with up and down buttons beside it. Unlike a spin box it keeps whatever
// text is typed: the page decides what a text means and when to replace it.
class SpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit SpinEdit(QWidget* parent = nullptr);

  QLineEdit* Edit() const { return edit_; }
  // Shows a text without reporting it as typed.
  void SetText(const QString& text);

 signals:
  // The user typed in the edit.
  void Typed(const QString& text);
  // The up (+1) or down (-1) button, or arrow key, was pressed.
  void Stepped(int delta);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace tenukiro
