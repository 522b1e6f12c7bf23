#include "shell/RoomWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <string_view>

#include "assets/PaintingThread.h"
#include "assets/RoomPicture.h"
#include "assets/Words.h"
#include "shell/PanelAccessible.h"
#include "state/Projector.h"
#include "window/Form1.h"
#include "window/Groups.h"
#include "window/Sources.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

// How long after a picture the painting thread and its fonts are let go, as the panel's own pictures do.
constexpr int kReleasePainterMs = 1000;

constexpr std::string_view kRoomName = YUNURI_TR("Panel", "教室");
constexpr std::array<std::string_view, 2> kScreenSays = {YUNURI_TR("Panel", "左側スクリーン：%1。"),
                                                         YUNURI_TR("Panel", "右側スクリーン：%1。")};
constexpr std::string_view kProjectorOffSays = YUNURI_TR("Panel", "プロジェクターOFF");
constexpr std::string_view kWarmingSays = YUNURI_TR("Panel", "プロジェクター準備中");
constexpr std::string_view kCoolingSays = YUNURI_TR("Panel", "プロジェクター冷却中");
constexpr std::string_view kMonitorSays = YUNURI_TR("Panel", "モニター：%1。");
constexpr std::string_view kVolumeSays = YUNURI_TR("Panel", "音量 %1 %。");
constexpr std::string_view kMutedSays = YUNURI_TR("Panel", "音量 %1 %、MUTE中。");

QString sourceName(Byte source) {
  return accessibleText(kSources.at(std::min<std::size_t>(source, kSources.size() - 1)).label);
}

QString screenSays(const RoomView::Side& side) {
  QString shows = projector::ShowsPicture(side.phase) ? sourceName(side.source)
                  : projector::Warming(side.phase)    ? accessibleText(kWarmingSays)
                  : projector::Cooling(side.phase)    ? accessibleText(kCoolingSays)
                                                      : accessibleText(kProjectorOffSays);
  if (!side.answering) shows = accessibleText(kNotAnswering).arg(shows);
  return shows;
}

QAccessibleInterface* roomFactory(const QString& /*classname*/, QObject* object) {
  if (auto* room = qobject_cast<RoomWidget*>(object))
    return new QAccessibleWidget(room, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

QString roomDescription(const RoomView& view) {
  QStringList sentences;
  for (std::size_t side = 0; side < view.sides.size(); ++side) {
    sentences << accessibleText(kScreenSays.at(side)).arg(screenSays(view.sides.at(side)));
  }
  sentences << accessibleText(kMonitorSays).arg(sourceName(view.monitorSource));
  sentences << accessibleText(view.muted ? kMutedSays : kVolumeSays).arg(view.volume);
  // Japanese sentences run on after their full stop; Latin ones leave a blank.
  return sentences.join(assets::latinLettering() ? QStringLiteral(" ") : QString());
}

void installRoomAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(roomFactory);
    return true;
  }();
  (void)installed;
}

RoomWidget::RoomWidget(const Form1& form, QWidget* parent)
    : QWidget(parent), form_(form), view_(ViewOf(form)) {
  setObjectName(QStringLiteral("room"));
  // The picture covers every pixel: nothing under it is painted first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  installRoomAccessibility();
  releasePainter_.setSingleShot(true);
  connect(&releasePainter_, &QTimer::timeout, this, [] { assets::releasePaintingThread(); });
  describe();
}

void RoomWidget::follow() {
  const RoomView now = ViewOf(form_);
  if (now == view_) return;
  view_ = now;
  image_ = QImage();
  describe();
  update();
}

void RoomWidget::describe() {
  setAccessibleName(accessibleText(kRoomName));
  // Set only when it says something new, so that a screen reader hears of no change that is none.
  if (const QString said = roomDescription(view_); said != accessibleDescription())
    setAccessibleDescription(said);
}

void RoomWidget::paintEvent(QPaintEvent* /*event*/) {
  ++paintCount_;
  const qreal scale = static_cast<qreal>(width()) / assets::kRoomWidth;
  const qreal ratio = devicePixelRatioF() * scale;
  if (image_.isNull() || image_.devicePixelRatio() != ratio) {
    // Lettered where the panel's pictures are: a font opened on the window's thread stays mapped for good.
    assets::runOnPaintingThread([&] { image_ = assets::renderRoom(view_, ratio); });
    releasePainter_.start(kReleasePainterMs);
  }
  QPainter painter(this);
  painter.scale(scale, scale);
  painter.drawImage(QPointF(), image_);
}

void RoomWidget::changeEvent(QEvent* event) {
  // The same room in the new words.
  if (event->type() == QEvent::LanguageChange) {
    image_ = QImage();
    describe();
    update();
  }
  QWidget::changeEvent(event);
}

void RoomWidget::resizeEvent(QResizeEvent* event) {
  image_ = QImage();
  QWidget::resizeEvent(event);
}

}  // namespace yunuri
