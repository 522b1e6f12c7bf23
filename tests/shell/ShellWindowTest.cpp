// The window as the desktop sees it: a fixed top-level window, centred, titled by the model, ticking at 100
// ms.
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "ShellFixture.h"
#include "assets/Artwork.h"

namespace yunuri::shelltest {
namespace {

using ShellWindow = ShellTest;

TEST_F(ShellWindow, IsAFixedTopLevelWindowOfFourHundredByThree) {
  EXPECT_TRUE(panel->isWindow());
  EXPECT_EQ(panel->size(), QSize(400, 300));
  EXPECT_EQ(panel->minimumSize(), QSize(400, 300));
  EXPECT_EQ(panel->maximumSize(), QSize(400, 300));
}

TEST_F(ShellWindow, OffersCloseButNeitherMinimizeNorMaximize) {
  const Qt::WindowFlags flags = panel->windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowFullscreenButtonHint));
}

TEST_F(ShellWindow, TakesItsIconOnceTheFirstFrameIsPainted) {
  ASSERT_GT(panel->paintCount(), 0);
  QElapsedTimer waited;
  waited.start();
  while (panel->windowIcon().isNull() && waited.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  const QList<QSize> sizes = panel->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(sizes.contains(QSize(48, 48)));
}

TEST_F(ShellWindow, IsCentredOnItsScreenWhenFirstShown) {
  const QRect area = panel->screen()->availableGeometry();
  const QPoint offset = panel->frameGeometry().center() - area.center();
  EXPECT_LE(offset.manhattanLength(), 2) << "frame centre off by " << offset.x() << "," << offset.y();
}

TEST_F(ShellWindow, StaysWhereTheUserMovedItWhenShownAgain) {
  panel->move(10, 20);
  panel->hide();
  panel->show();
  settle();
  EXPECT_EQ(panel->pos(), QPoint(10, 20));
}

TEST_F(ShellWindow, CaptionIsTheTitleAloneAtStartAndFollowsTheModel) {
  EXPECT_EQ(panel->windowTitle(), QStringLiteral("ゆぬり～"));
  ASSERT_NE(panel->windowHandle(), nullptr);
  EXPECT_EQ(panel->windowHandle()->title(), QStringLiteral("ゆぬり～"));

  dismissNotice();
  click({137 + 38, 156 + 9});  // SWm(6), DVD/VTR
  const QString want = QStringLiteral("ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡");
  EXPECT_EQ(panel->windowTitle(), want);
  EXPECT_EQ(panel->windowHandle()->title(), want);
  EXPECT_EQ(panel->windowTitle().toStdString(), form.Caption());
}

TEST_F(ShellWindow, TickRunsEveryHundredMillisecondsOnceStarted) {
  const QTimer* timer = panel->findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive()) << "the tick must not run before start-up has finished";
  panel->startTimer1();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 100);
  EXPECT_EQ(timer->thread(), panel->thread());
}

TEST_F(ShellWindow, TickStaysOffWhenStartUpDidNotEnableIt) {
  FakeApp otherApp;
  Form1 notLoaded(otherApp);
  PanelWidget widget(notLoaded);
  widget.startTimer1();
  const QTimer* timer = widget.findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(timer->isActive());
}

TEST_F(ShellWindow, ClosingFromTheFrameEndsTheEventLoopWithStatusZero) {
  QApplication::setQuitOnLastWindowClosed(false);  // the panel must end the loop itself
  QTimer::singleShot(0, panel.get(), [this] { panel->close(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  const int status = QApplication::exec();
  QApplication::setQuitOnLastWindowClosed(true);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(app.calls.empty()) << "closing runs no handler of the panel";
}

bool sameCursor(const QCursor& a, const QCursor& b) {
  if (a.shape() != b.shape()) return false;
  if (a.shape() != Qt::BitmapCursor) return true;
  return a.hotSpot() == b.hotSpot() && a.pixmap().toImage() == b.pixmap().toImage();
}

TEST_F(ShellWindow, PointerFollowsWhatLiesUnderIt) {
  const QCursor finger = assets::pointingFingerCursor(panel->devicePixelRatioF(), 1);
  const QCursor fist = assets::closedHandCursor(panel->devicePixelRatioF(), 1);
  move({200, 150});
  EXPECT_TRUE(sameCursor(panel->cursor(), finger)) << "over the notice";

  dismissNotice();
  move({120, 30});  // the window's own picture, off every element
  EXPECT_TRUE(sameCursor(panel->cursor(), fist));
  move({10 + 5, 60 + 5});  // SWm(0)
  EXPECT_TRUE(sameCursor(panel->cursor(), finger));
  move({328 + 7, 219 + 40});  // MET
  EXPECT_TRUE(sameCursor(panel->cursor(), Qt::ArrowCursor));
  move({346 + 25, 116 + 7});  // MES(0), a label
  EXPECT_TRUE(sameCursor(panel->cursor(), Qt::ArrowCursor));
  move({4 + 45, 85 + 100});  // Sousa(0), a card with no buttons
  EXPECT_TRUE(sameCursor(panel->cursor(), Qt::ArrowCursor));
  move({349 + 16, 248 + 10});  // SWv(1)
  EXPECT_TRUE(sameCursor(panel->cursor(), finger));
}

TEST_F(ShellWindow, PointerChangesWhenAButtonSlidesUnderItAtRest) {
  dismissNotice();
  click({148 + 5, 204 + 5});  // SWm(8): the DVD remote slides in
  panel->setAttribute(Qt::WA_UnderMouse);
  const QPoint rest(4 + 9 + 16, 85 + 38 + 10);  // where the remote's first button will stop
  move(rest);
  EXPECT_FALSE(sameCursor(panel->cursor(), assets::pointingFingerCursor(panel->devicePixelRatioF(), 1)))
      << "before the remote is in";
  ticks(30);
  EXPECT_TRUE(sameCursor(panel->cursor(), assets::pointingFingerCursor(panel->devicePixelRatioF(), 1)))
      << "the pointer never moved";
}

}  // namespace
}  // namespace yunuri::shelltest
