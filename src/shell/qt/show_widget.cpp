#include "shell/qt/show_widget.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <QWindow>

#include "settings/other_values.h"
#include "shell/qt/qt_monitors.h"
#include "shell/start_trace.h"

namespace tenukiro {

ShowWidget::ShowWidget(const Profile& profile, Mode mode, const std::string& programDirectory,
                       SphereImageRenderer* spheres, QWidget* parent)
    : QWidget(parent),
      mode_(mode), closeRules_(ReadMouseThreshold(profile), ReadPasswordDelay(profile), 0) {
  clock_.start();
  show_ = std::make_unique<CShowWnd>(profile, *this, programDirectory, spheres);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setWindowTitle(QStringLiteral("Tenukiro"));
  connect(&timer_, &QTimer::timeout, this, [this] { show_->OnTimer(); });
  if (mode_ == Mode::FullScreen) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
  }
  if (mode_ == Mode::Embedded) {
    // A child is created with its parent: its owner may hand it settings before the first paint.
    created_ = true;
    show_->OnCreate();
  }
}

ShowWidget::~ShowWidget() = default;

void ShowWidget::CoverScreen(QScreen* screen) {
  if (screen == screen_ && (!isVisible() || geometry() == screen->geometry())) return;
  screen_ = screen;
  if (isVisible()) Start();
}

void ShowWidget::FollowInputOf(ShowWidget& leader) {
  leader_ = &leader;
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_QuitOnClose, false);
}

void ShowWidget::Start() {
  if (mode_ == Mode::FullScreen) {
    QScreen* screen = screen_ ? screen_.data() : QGuiApplication::primaryScreen();
    setGeometry(screen->geometry());
    winId();  // makes the native window, so that it can be put on its screen
    windowHandle()->setScreen(screen);
    if (leader_) {
      // Shown without activation: showFullScreen would ask for the focus.
      setWindowState(Qt::WindowFullScreen);
      show();
      return;
    }
    showFullScreen();
    activateWindow();
    raise();
  } else if (mode_ == Mode::Windowed) {
    resize(1024, 768);
    show();
  } else {
    show();
  }
}

Size ShowWidget::ClientSize() const {
  const qreal ratio = devicePixelRatioF();
  return Size{qRound(width() * ratio), qRound(height() * ratio)};
}

Size ShowWidget::ScreenSize() const {
  const QRect window(mapToGlobal(QPoint(0, 0)), size());
  const Size logical = ScaleScreenFor(RectOf(window), MonitorsOf(QGuiApplication::screens()), Size{width(), height()});
  const qreal ratio = devicePixelRatioF();
  return Size{qRound(logical.width * ratio), qRound(logical.height * ratio)};
}

QPoint ShowWidget::DevicePoint(QPointF logical) const { return (logical * devicePixelRatioF()).toPoint(); }

void ShowWidget::Present(const Rect& changed) {
  // The logical rectangle that covers the changed device pixels.
  const qreal ratio = devicePixelRatioF();
  const QPointF topLeft(changed.left / ratio, changed.top / ratio);
  const QPointF bottomRight(changed.right / ratio, changed.bottom / ratio);
  update(QRectF(topLeft, bottomRight).toAlignedRect());
}

void ShowWidget::paintEvent(QPaintEvent* event) {
  const Size client = ClientSize();
  if (surface_.width() != client.width || surface_.height() != client.height) {
    // A new size: the show draws the whole picture again.
    surface_ = Raster(client.width, client.height);
    if (!created_) {
      created_ = true;
      show_->OnCreate();
    }
    show_->OnPaint();
  }
  if (surface_.empty()) return;
  QImage image(surface_.data(), surface_.width(), surface_.height(), surface_.stride(), QImage::Format_RGB888);
  // One surface pixel per device pixel: the painter maps the logical rectangle back without scaling.
  const qreal ratio = devicePixelRatioF();
  image.setDevicePixelRatio(ratio);
  const QRectF logical = event->rect();
  const QRectF device(logical.topLeft() * ratio, logical.size() * ratio);
  QPainter painter(this);
  painter.drawImage(logical, image, device);
  NoteFramePresented(this);
}

void ShowWidget::RequestClose() {
  // Posted, as the window's own close request would be, so that input handlers return first.
  QTimer::singleShot(0, this, [this] {
    const bool closes = closeRules_.OnCloseRequest(TickCount(), VerifyPassword, [this](int& x, int& y) {
      const QPoint p = DevicePoint(mapFromGlobal(QCursor::pos()));
      x = p.x();
      y = p.y();
    });
    if (!closes) return;
    closeGranted_ = true;
    close();
  });
}

void ShowWidget::mouseMoveEvent(QMouseEvent* event) { MouseMovedAt(event->globalPosition().toPoint()); }

void ShowWidget::mousePressEvent(QMouseEvent*) { ButtonOrKeyElsewhere(); }

void ShowWidget::MouseMovedAt(const QPoint& global) {
  if (leader_) return leader_->MouseMovedAt(global);
  if (mode_ != Mode::FullScreen) return;
  const QPoint p = DevicePoint(QPointF(mapFromGlobal(global)));
  if (closeRules_.OnMouseMove(p.x(), p.y())) RequestClose();
}

void ShowWidget::ButtonOrKeyElsewhere() {
  if (leader_) return leader_->ButtonOrKeyElsewhere();
  if (mode_ == Mode::FullScreen && closeRules_.OnButtonOrKey()) RequestClose();
}

void ShowWidget::keyPressEvent(QKeyEvent* event) {
  if (mode_ == Mode::FullScreen) return ButtonOrKeyElsewhere();
  if (mode_ == Mode::Windowed && event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  // An embedded show leaves the keys to the window it sits in.
  QWidget::keyPressEvent(event);
}

void ShowWidget::changeEvent(QEvent* event) {
  if (mode_ == Mode::FullScreen && !leader_ && event->type() == QEvent::ActivationChange && !isActiveWindow() &&
      closeRules_.OnDeactivate()) {
    RequestClose();
  }
  QWidget::changeEvent(event);
}

void ShowWidget::closeEvent(QCloseEvent* event) {
  // The window manager's close is swallowed: only the saver's own rules end it.
  // A show on another monitor closes with the saver, when the program ends.
  const ShowWidget& saver = leader_ ? *leader_ : *this;
  if (mode_ == Mode::FullScreen && !saver.closeGranted_) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace tenukiro
