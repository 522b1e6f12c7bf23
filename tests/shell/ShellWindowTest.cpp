// The window as the desktop sees it: a fixed top-level window, the panel and the strip that shows the whole
// caption, centred, titled by the model, ticking at 100 ms.
#include <QAccessible>
#include <QElapsedTimer>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>

#include "ShellFixture.h"
#include "assets/Artwork.h"
#include "shell/WindowPlace.h"

namespace yunuri::shelltest {
namespace {

using ShellWindow = ShellTest;

void expectFixed(const QWidget& window, QSize size) {
  EXPECT_EQ(window.size(), size);
  EXPECT_EQ(window.minimumSize(), size);
  EXPECT_EQ(window.maximumSize(), size);
}

TEST_F(ShellWindow, IsAFixedTopLevelWindowOfThePanelAndAStripThatF9HidesAndRemembers) {
  QSettings(QStringLiteral("yunuri"), QStringLiteral("yunuri")).clear();
  ASSERT_TRUE(rememberedStatusStrip()) << "a new user must see the whole caption without knowing a key";
  EXPECT_TRUE(panel->isWindow());
  expectFixed(*panel, {400, 340});
  const QRect panelArea(0, 0, 400, 300);
  EXPECT_EQ(panel->panelToWidget(panelArea), panelArea) << "the strip moved the panel";
  EXPECT_EQ(panel->statusLineRect(), QRect(0, 300, 400, 40));
  // A screen reader finds the status line where it is painted.
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(panel.get());
  QAccessibleInterface* status = nullptr;
  for (int i = 0; i < tree->childCount() && status == nullptr; ++i) {
    if (tree->child(i)->role() == QAccessible::StatusBar) status = tree->child(i);
  }
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->rect(), QRect(panel->mapToGlobal(QPoint(0, 300)), QSize(400, 40)));

  dismissNotice();
  click(ArrayId::SWm, 6);
  settle();
  const QImage withStrip = grabbed();
  const QImage strip = withStrip.copy(QRect(QPoint(0, 300), QSize(400, 40) * panel->devicePixelRatioF()));
  int lit = 0;  // light letters on the dark ground
  for (int y = 0; y < strip.height(); ++y) {
    for (int x = 0; x < strip.width(); ++x) lit += qGray(strip.pixel(x, y)) > 128 ? 1 : 0;
  }
  EXPECT_GT(lit, 100) << "nothing written in the strip";

  key(Qt::Key_F9);
  expectFixed(*panel, {400, 300});
  EXPECT_TRUE(panel->statusLineRect().isEmpty());
  EXPECT_FALSE(rememberedStatusStrip());
  EXPECT_TRUE(sameAt(withStrip, grabbed(), panelArea)) << "the panel's pixels changed with the strip";

  // The strip grows with the zoom; F9 brings it back for this launch and the next.
  key(Qt::Key_Plus, Qt::ControlModifier);
  key(Qt::Key_F9);
  expectFixed(*panel, {500, 425});
  EXPECT_EQ(panel->statusLineRect(), QRect(0, 375, 500, 50));
  EXPECT_TRUE(rememberedStatusStrip());
  // An option decides for its launch only.
  panel->setStatusStrip(false);
  expectFixed(*panel, {500, 375});
  EXPECT_TRUE(rememberedStatusStrip());
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
