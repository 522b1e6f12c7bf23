// The picture of the room: painted only when what it shows changed, in a window of its own that follows the
// panel, or beside the panel in full screen at the panel's scale; one graphic for a screen reader.
#include <QAccessible>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "ShellFixture.h"
#include "assets/Words.h"
#include "shell/CommandLine.h"
#include "shell/Language.h"
#include "shell/PanelZoom.h"
#include "shell/RoomWidget.h"
#include "shell/RoomWindow.h"
#include "shell/StatusLine.h"

namespace yunuri::shelltest {
namespace {

constexpr int kDvd = 6;  // SWm(6), DVD/VTR
constexpr int kLeftSend = 0;

class RoomViewTest : public ShellTest {
 protected:
  RoomWindow* roomWindow() const { return panel->rooms().window(); }
  bool roomWindowShown() const { return roomWindow() != nullptr && roomWindow()->isVisible(); }
  void typeTo(QWidget* w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, k, mods);
    QApplication::sendEvent(w, &up);
    settle();
  }
  QImage statusLine() const {
    const QRect band = roomWindow()->statusLineRect();
    const qreal ratio = roomWindow()->devicePixelRatioF();
    return roomWindow()
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32)
        .copy(QRect(band.topLeft() * ratio, band.size() * ratio));
  }
  static QScreen* screenOf(QSize size) {
    for (QScreen* s : QApplication::screens()) {
      if (s->size() == size) return s;
    }
    return nullptr;
  }
  static QString description(QWidget* room) {
    return QAccessible::queryAccessibleInterface(room)->text(QAccessible::Description);
  }
};

TEST_F(RoomViewTest, AnIdleRoomPaintsNothingAndASendPaintsItAgain) {
  panel->setRoomView(true);
  settle();
  ASSERT_TRUE(roomWindowShown());
  RoomWidget* room = roomWindow()->room();
  dismissNotice();
  expectIdleTicksPaintNothing();
  const int before = room->paintCount();
  for (int i = 0; i < 30; ++i) {
    panel->tick();
    settle();
  }
  EXPECT_EQ(room->paintCount(), before) << "an idle room repainted";
  // Choosing a source changes the monitor; sending it changes the left screen: each is painted once.
  click(ArrayId::SWm, kDvd);
  settle();
  EXPECT_EQ(room->paintCount(), before + 1);
  click(ArrayId::SWs, kLeftSend);
  ticks(5);
  settle();
  EXPECT_EQ(room->paintCount(), before + 2);
  EXPECT_EQ(room->view().sides[0].source, kDvd);
}

TEST_F(RoomViewTest, TheWindowOpensAndClosesByKeyAndOptionFollowsTheCaptionAndLanguageAndEndsWithThePanel) {
  EXPECT_FALSE(readCommandLine({"yunuri"}, stdout, stderr).options.roomView);
  EXPECT_TRUE(readCommandLine({"yunuri", "--room-view"}, stdout, stderr).options.roomView);
  EXPECT_EQ(roomWindow(), nullptr) << "made without being asked for";

  // On a screen with room beside the panel.
  QScreen* wide = screenOf({1920, 1080});
  ASSERT_NE(wide, nullptr);
  panel->windowHandle()->setScreen(wide);
  panel->move(wide->geometry().center() - QPoint(200, 170));
  const QSize panelSize = panel->size();
  const QString panelTitle = panel->windowTitle();
  key(Qt::Key_F8);
  ASSERT_TRUE(roomWindowShown());
  EXPECT_EQ(roomWindow()->windowTitle(), QStringLiteral("ゆぬり～  教室"));
  EXPECT_EQ(panel->size(), panelSize);
  EXPECT_EQ(panel->windowTitle(), panelTitle);
  EXPECT_FALSE(roomWindow()->frameGeometry().intersects(panel->frameGeometry())) << "not beside the panel";

  // Its status line says the whole caption, and follows it.
  dismissNotice();
  click(ArrayId::SWm, kDvd);
  settle();
  const QRect band = roomWindow()->statusLineRect();
  QImage expected(band.size() * roomWindow()->devicePixelRatioF(), QImage::Format_RGB32);
  expected.setDevicePixelRatio(roomWindow()->devicePixelRatioF());
  expected.fill(QColor(20, 18, 17));
  {
    QPainter p(&expected);
    paintStatusLine(p, QRect(QPoint(), band.size()), assets::shownWithoutTitle(form.Caption()));
  }
  EXPECT_TRUE(statusLine() == expected) << "not the caption";
  const QImage dvd = statusLine();
  click(ArrayId::SWm, kDvd + 1);
  settle();
  EXPECT_NE(statusLine(), dvd);

  // The language follows Ctrl+L, pressed on either window.
  typeTo(roomWindow(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(roomWindow()->windowTitle(), QStringLiteral("Yunuri  Room"));
  EXPECT_TRUE(description(roomWindow()->room()).startsWith(QStringLiteral("Left screen: ")))
      << description(roomWindow()->room()).toStdString();
  key(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(roomWindow()->windowTitle(), QStringLiteral("ゆぬり～  教室"));

  // F8 on either window closes it; the zoom scales it with the panel; full screen hides it until the panel
  // is a window again.
  typeTo(roomWindow(), Qt::Key_F8);
  EXPECT_FALSE(roomWindowShown());
  key(Qt::Key_F8);
  ASSERT_TRUE(roomWindowShown());
  key(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(roomWindow()->size(), QSize(500, 425));
  key(Qt::Key_F11);
  EXPECT_FALSE(roomWindowShown());
  key(Qt::Key_F11);
  EXPECT_TRUE(roomWindowShown());

  panel->close();
  settle();
  EXPECT_FALSE(roomWindowShown()) << "outlived the panel";
}

TEST_F(RoomViewTest, FullScreenShowsTheRoomBesideThePanelOnWideScreensAtOneScaleAndTellsScreenReaders) {
  // On the wide screens showrooms have: the room and the panel side by side at one scale, both on the
  // screen, the status line under both and the language button's corner free.
  for (const QSize wanted : {QSize(1920, 1080), QSize(1280, 800)}) {
    QScreen* screen = screenOf(wanted);
    ASSERT_NE(screen, nullptr);
    if (panel->isFullScreen()) key(Qt::Key_F11);
    panel->windowHandle()->setScreen(screen);
    panel->move(screen->geometry().topLeft());
    key(Qt::Key_F11);
    ASSERT_EQ(panel->size(), wanted);
    const RoomWidget* room = panel->rooms().ground();
    ASSERT_TRUE(room != nullptr && room->isVisible());
    const QRect shown = panel->panelToWidget(QRectF(0, 0, 400, 300));
    const QRect pictured = room->geometry();
    const std::string where = std::to_string(wanted.width()) + "x" + std::to_string(wanted.height());
    EXPECT_FALSE(shown.intersects(pictured)) << where;
    EXPECT_TRUE(panel->rect().contains(shown) && panel->rect().contains(pictured)) << where;
    EXPECT_EQ(pictured.size(), shown.size()) << where;
    EXPECT_EQ(pictured.top(), shown.top()) << where;
    EXPECT_GE(shown.width(), 400) << where;
    EXPECT_GE(panel->statusLineRect().top(), std::max(shown.bottom(), pictured.bottom())) << where;
    const auto* button = panel->findChild<QWidget*>(QStringLiteral("language"));
    ASSERT_TRUE(button != nullptr && button->isVisible()) << where;
    EXPECT_FALSE(button->geometry().intersects(pictured)) << where;
  }

  // One graphic in the panel's tree, named for the room, its description following what it shows.
  RoomWidget* room = panel->rooms().ground();
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(panel.get());
  QAccessibleInterface* graphic = nullptr;
  for (int i = 0; i < tree->childCount(); ++i) {
    if (tree->child(i)->object() == room) graphic = tree->child(i);
  }
  ASSERT_NE(graphic, nullptr);
  EXPECT_EQ(graphic->role(), QAccessible::Graphic);
  EXPECT_EQ(graphic->text(QAccessible::Name), QStringLiteral("教室"));
  dismissNotice();
  click(ArrayId::SWm, kDvd);
  click(ArrayId::SWs, kLeftSend);
  ticks(5);
  EXPECT_TRUE(graphic->text(QAccessible::Description).startsWith(QStringLiteral("左側スクリーン：DVD/VTR。")))
      << graphic->text(QAccessible::Description).toStdString();
  EXPECT_EQ(room->view().sides[0].source, kDvd);

  // F8 leaves the room out, for a larger panel, and brings it back.
  const int besideRoom = panel->panelToWidget(QRectF(0, 0, 400, 300)).width();
  key(Qt::Key_F8);
  EXPECT_FALSE(room->isVisible());
  EXPECT_GT(panel->panelToWidget(QRectF(0, 0, 400, 300)).width(), besideRoom) << "the panel did not grow";
  key(Qt::Key_F8);
  EXPECT_TRUE(room->isVisible());
  key(Qt::Key_F11);

  // A tall screen has the room above the panel; a 4:3 one keeps the whole width for the panel.
  PanelZoom zoom;
  zoom.layOut({1080, 1920}, true, 1.0, statusLineReserve({1080, 1920}), {200, 72}, true);
  EXPECT_EQ(zoom.roomArea().size(), zoom.panelArea().size());
  EXPECT_EQ(zoom.roomArea().left(), zoom.panelArea().left());
  EXPECT_LT(zoom.roomArea().bottom(), zoom.panelArea().top());
  EXPECT_GE(zoom.scale(), 1.0);
  zoom.layOut({1024, 768}, true, 1.0, statusLineReserve({1024, 768}), {200, 72}, true);
  EXPECT_TRUE(zoom.roomArea().isEmpty());
  EXPECT_EQ(zoom.scale(), 2.0);
}

}  // namespace
}  // namespace yunuri::shelltest
