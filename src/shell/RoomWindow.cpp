#include "shell/RoomWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <utility>

#include "assets/Artwork.h"
#include "assets/RoomPicture.h"
#include "assets/Words.h"
#include "shell/FrameExtents.h"
#include "shell/Language.h"
#include "shell/PanelZoom.h"
#include "shell/RoomWidget.h"
#include "shell/StatusLine.h"
#include "window/Form1.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

constexpr std::string_view kRoomTitle = YUNURI_TR("Panel", "ゆぬり～  教室");
// Screen pixels between the panel's window and the room's.
constexpr int kGap = 8;

// The frame the window manager put around a window's client area; none while it is not known.
QMargins frameAround(const QWidget& window) {
  const QRect framed = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - framed.left(), client.top() - framed.top(), framed.right() - client.right(),
          framed.bottom() - client.bottom()};
}

}  // namespace

bool isRoomViewKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_F8 && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

RoomWindow::RoomWindow(const Form1& form, QWidget* panel, std::function<void()> closed)
    : QWidget(panel, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      form_(form),
      room_(new RoomWidget(form, this)),
      closed_(std::move(closed)) {
  setObjectName(QStringLiteral("roomWindow"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // It only shows: the keyboard stays with the panel (Space still closes the notice) unless it is clicked.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::ClickFocus);
  setWindowIcon(assets::windowIcon());
  setScale(1);
  retitle();
}

void RoomWindow::setScale(qreal factor) {
  scale_ = factor;
  const QSize picture = (QSizeF(assets::kRoomWidth, assets::kRoomHeight) * factor).toSize();
  room_->setGeometry(QRect(QPoint(), picture));
  setFixedSize((QSizeF(assets::kRoomWidth, assets::kRoomHeight + PanelZoom::kStripHeight) * factor).toSize());
}

void RoomWindow::follow(bool captionChanged) {
  room_->follow();
  if (captionChanged) update(statusLineRect());
}

QRect RoomWindow::statusLineRect() const {
  const int top = room_->geometry().bottom() + 1;
  return {0, top, width(), height() - top};
}

void RoomWindow::placeBeside(const QWidget& panel) {
  const QScreen* screen = panel.screen();
  if (screen == nullptr) return;
  // On X11 a frame is known only once its window has been on screen; until then a window's position is its
  // client area's, and the window manager tells beforehand the frame it will give.
  QMargins frame = frameAround(*this);
  QPoint toClient;
  if (frame.isNull() && QGuiApplication::platformName() == QLatin1String("xcb")) {
    if (const std::optional<QMargins> extents = frameExtentsBeforeMap(*this)) {
      frame = *extents;
      toClient = {frame.left(), frame.top()};
    }
  }
  // Both are the same kind of window: the panel's frame, not known yet, is the room's.
  const QMargins panelFrame = frameAround(panel).isNull() ? frame : frameAround(panel);
  const QRect beside = panel.geometry().marginsAdded(panelFrame);
  const QRect area = screen->availableGeometry();
  QRect r(QPoint(beside.right() + 1 + kGap, beside.top()), size().grownBy(frame));
  if (!area.contains(r)) r.moveRight(beside.left() - 1 - kGap);
  if (!area.contains(r)) {
    r.moveLeft(std::max(area.left(), std::min(beside.right() + 1 + kGap, area.right() + 1 - r.width())));
  }
  r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
  move(r.topLeft() + toClient);
}

void RoomWindow::paintEvent(QPaintEvent* /*event*/) {
  const QRect band = statusLineRect();
  QPainter painter(this);
  painter.drawImage(band.topLeft(), line_.image(assets::shownWithoutTitle(form_.Caption()), band.size(),
                                                devicePixelRatioF()));
}

void RoomWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retitle();
    update(statusLineRect());
  }
  QWidget::changeEvent(event);
}

void RoomWindow::retitle() {
  setWindowTitle(assets::shown(kRoomTitle));
}

void RoomWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (closed_) closed_();
}

void RoomWindow::keyPressEvent(QKeyEvent* event) {
  if (switchLanguageOnKey(*event)) return;
  if (isRoomViewKey(*event) && !event->isAutoRepeat()) {
    event->accept();
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace yunuri
