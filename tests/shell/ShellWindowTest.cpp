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
  click(ArrayId::SWm, 6);  // DVD/VTR
  const QString want = QStringLiteral("ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡");
  EXPECT_EQ(panel->windowTitle(), want);
  EXPECT_EQ(panel->windowHandle()->title(), want);
  EXPECT_EQ(panel->windowTitle().toStdString(), form.Caption());
}

TEST_F(ShellWindow, TickRunsEveryHundredMillisecondsOnceStarted) {
  const QTimer* timer = this->timer("Timer1");
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
  const QTimer* timer = widget.findChild<QTimer*>(QStringLiteral("Timer1"));
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
  move(notice());
  EXPECT_TRUE(sameCursor(panel->cursor(), finger)) << "over the notice";

  dismissNotice();
  move({120, 30});  // the window's own picture, off every element
  EXPECT_TRUE(sameCursor(panel->cursor(), fist));
  move(centreOf(ArrayId::SWm, 0));
  EXPECT_TRUE(sameCursor(panel->cursor(), finger));
  move(rectOf(form.WindowRect(form.MET())).topLeft() + QPoint(7, 40));  // the meter, left of its buttons
  EXPECT_TRUE(sameCursor(panel->cursor(), Qt::ArrowCursor));
  move(centreOf(ArrayId::MES, 0));  // a label
  EXPECT_TRUE(sameCursor(panel->cursor(), Qt::ArrowCursor));
  move(centreOf(form.Sousa(0)));  // a card with no buttons
  EXPECT_TRUE(sameCursor(panel->cursor(), Qt::ArrowCursor));
  move(centreOf(ArrayId::SWv, 1));
  EXPECT_TRUE(sameCursor(panel->cursor(), finger));
}

TEST_F(ShellWindow, PointerChangesWhenAButtonSlidesUnderItAtRest) {
  dismissNotice();
  click(ArrayId::SWm, 8);  // the DVD remote slides in
  panel->setAttribute(Qt::WA_UnderMouse);
  // Where the remote's first button will stop: every card and remote comes to rest where the first card is.
  const DirtyRect card = form.WindowRect(form.Sousa(0));
  const Rect b = form.Element(ArrayId::SWr2, 0).bounds;
  const auto at = [](float a, int b) { return a + static_cast<float>(b); };
  move(rectOf({at(card.left, b.left), at(card.top, b.top), static_cast<float>(b.width),
               static_cast<float>(b.height)})
           .center());
  EXPECT_FALSE(sameCursor(panel->cursor(), assets::pointingFingerCursor(panel->devicePixelRatioF(), 1)))
      << "before the remote is in";
  ticks(30);
  EXPECT_TRUE(sameCursor(panel->cursor(), assets::pointingFingerCursor(panel->devicePixelRatioF(), 1)))
      << "the pointer never moved";
}

}  // namespace
}  // namespace yunuri::shelltest
