// Full screen's status line and showroom mode: the caption on the ground under the panel, whole and current;
// the panel starting again after a while without a press and instead of ending; the exhibitor's keys.
#include <QAccessible>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ShellFixture.h"
#include "shell/Language.h"
#include "shell/ShowroomApp.h"
#include "shell/StatusLine.h"

namespace yunuri::shelltest {
namespace {

const QColor kGround(20, 18, 17);
constexpr std::string_view kLongest = "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡";

// A panel as main() starts it in showroom mode, the platform a fake that records what it was asked.
class Showroom : public ShellTest {
 protected:
  void beforeShow() override {
    panel->setIdleReset(180);
    platform.restartInsteadOfEnd([this] { panel->startAgain(); });
    panel->startShowroom();
  }
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(panel->isFullScreen());
  }
  QTimer* idleTimer() const { return timer("IdleReset"); }

  // The status line as the screen shows it.
  QImage line() const {
    const QRect band = panel->statusLineRect();
    const qreal ratio = panel->devicePixelRatioF();
    return grabbed().copy(QRect(band.topLeft() * ratio, band.size() * ratio));
  }
};

TEST_F(Showroom, TheStatusLineShowsTheCaptionUnderThePanelAndFollowsItWithoutIdleRepaints) {
  const QRect band = panel->statusLineRect();
  const QRect shown = panel->panelToWidget(QRectF(0, 0, 400, 300));
  ASSERT_FALSE(band.isEmpty());
  EXPECT_GE(band.top(), shown.bottom());
  EXPECT_EQ(band.bottom(), panel->height() - 1);
  EXPECT_GE(band.height(), statusLineReserve(panel->size())) << "the zoom left no room for the line";
  EXPECT_EQ(shown.left(), panel->width() - 1 - shown.right()) << "the panel is not centred";
  const QImage titleAlone = line();
  EXPECT_NE(titleAlone.pixel(titleAlone.rect().center()), kGround.rgb())
      << "nothing written in the line's middle";
  // A screen reader's status line lies where the line is painted, not on a title bar full screen has not.
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(panel.get());
  QAccessibleInterface* status = nullptr;
  for (int i = 0; i < tree->childCount() && status == nullptr; ++i) {
    if (tree->child(i)->role() == QAccessible::StatusBar) status = tree->child(i);
  }
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->rect(), QRect(panel->mapToGlobal(band.topLeft()), band.size()));

  dismissNotice();
  settle();
  PaintSpy spy;
  panel->installEventFilter(&spy);
  click(ArrayId::SWm, 6);
  ASSERT_EQ(form.Caption(), "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡");
  settle();
  EXPECT_TRUE(spy.painted.contains(band)) << "the screen still shows the old line";
  // The line follows the caption: another caption reads otherwise, the same caption again reads the same.
  const QImage dvd = line();
  click(ArrayId::SWm, 7);
  settle();
  EXPECT_NE(line(), dvd);
  click(ArrayId::SWm, 6);
  settle();
  EXPECT_EQ(line(), dvd);
  expectIdleTicksPaintNothing();
}

TEST_F(Showroom, TheNoticeHoldsTheKeyboardFirstAtStartAfterASwitchAndAfterStartingAgain) {
  auto* button = panel->findChild<QPushButton*>(QStringLiteral("language"));
  ASSERT_TRUE(button != nullptr && button->isVisible());
  // Keys as the desktop sends them: to the widget with the keyboard focus.
  const auto typed = [](Qt::Key k) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), k);
    settle();
  };
  // As at a launch: the desktop activates the window once it is mapped, full screen already, the button
  // shown, before anything has the keyboard.
  panel->clearFocus();
  QWidget elsewhere;
  elsewhere.show();
  elsewhere.activateWindow();
  settle();
  panel->activateWindow();
  settle();
  typed(Qt::Key_Space);
  EXPECT_FALSE(form.NoticeUp()) << "Space at start did not close the notice";
  EXPECT_EQ(currentLanguage(), QStringLiteral("ja"));

  // The language button, pressed from the keyboard over the notice, hands the keyboard back to the notice.
  panel->startAgain();
  button->setFocus(Qt::TabFocusReason);
  typed(Qt::Key_Space);
  ASSERT_EQ(currentLanguage(), QStringLiteral("en"));
  typed(Qt::Key_Space);
  EXPECT_FALSE(form.NoticeUp()) << "Space after a switch did not close the notice";

  // Starting again takes the keyboard from the language button too.
  button->setFocus(Qt::TabFocusReason);
  panel->startAgain();
  settle();
  typed(Qt::Key_Space);
  EXPECT_FALSE(form.NoticeUp()) << "Space after starting again did not close the notice";
  EXPECT_EQ(currentLanguage(), QStringLiteral("ja"));
}

TEST(StatusLine, ALongCaptionIsSetWholeSmallerOrOnTwoLines) {
  const QString longest = QString::fromUtf8(kLongest.data(), static_cast<qsizetype>(kLongest.size()));
  int previous = 0;
  for (const int width : {1920, 1024, 480, 240}) {
    const QRect band(0, 600, width, 64);
    const StatusLineSetting s = setStatusLine(longest, band);
    const QRect needed = QFontMetrics(s.font).boundingRect(s.area, s.flags, longest);
    EXPECT_TRUE(band.contains(needed)) << width << ": " << needed.width() << " x " << needed.height();
    EXPECT_TRUE(s.area.contains(needed)) << width;
    if (previous != 0) {
      EXPECT_LE(s.font.pixelSize(), previous) << width;
    }
    previous = s.font.pixelSize();
  }
  EXPECT_EQ(setStatusLine(longest, {0, 0, 1920, 64}).flags & Qt::TextWordWrap, 0)
      << "wrapped with room to spare";
  EXPECT_NE(setStatusLine(longest, {0, 0, 240, 64}).flags & Qt::TextWordWrap, 0)
      << "tiny rather than wrapped";
}

TEST_F(Showroom, AfterAWhileWithoutAPressThePanelIsAsAFreshlyStartedOne) {
  EXPECT_FALSE(idleTimer()->isActive()) << "an untouched panel waits to start again";
  dismissNotice();
  click(ArrayId::SWu, 1);  // the CD/MD popup
  ticks(10);
  click(ArrayId::SWm, 4);
  ticks(10);
  ASSERT_TRUE(idleTimer()->isActive());
  EXPECT_EQ(idleTimer()->interval(), 180'000);

  // Never while a press is held: the volume key ramps on, and its release starts the wait again.
  const QPoint up = centreOf(ArrayId::SWv, 0);
  press(up);
  ticks(3);
  idleTimer()->stop();
  panel->startAgain();
  EXPECT_TRUE(form.Holding());
  EXPECT_FALSE(form.NoticeUp());
  EXPECT_TRUE(idleTimer()->isActive()) << "a press that ends by losing the capture would leave no wait";
  idleTimer()->stop();
  release(up);
  EXPECT_TRUE(idleTimer()->isActive());
  // Every other way in starts it again too: a key, a finger, an assistive technology's press.
  static QPointingDevice* screen = QTest::createTouchDevice();
  const std::function<void()> ways[] = {
      [this] { key(Qt::Key_Left); },
      [this] { QTest::touchEvent(panel.get(), screen).press(0, centreOf(ArrayId::SWm, 4)); },
      [this] {
        panel->pressFromAccessible({ArrayId::SWm, 4});
      },
  };
  for (const std::function<void()>& way : ways) {
    idleTimer()->stop();
    way();
    EXPECT_TRUE(idleTimer()->isActive());
  }
  QTest::touchEvent(panel.get(), screen).release(0, centreOf(ArrayId::SWm, 4));

  // A visitor who switched to English leaves; the next one meets the language the panel started in.
  ASSERT_TRUE(setLanguage(QStringLiteral("en")));
  settle();
  panel->startAgain();
  EXPECT_FALSE(idleTimer()->isActive());
  settle();
  EXPECT_EQ(currentLanguage(), QStringLiteral("ja"));
  FakeApp freshApp;
  Form1 fresh(freshApp);
  Form_Load(fresh);
  PanelWidget freshPanel(fresh);
  freshPanel.startShowroom();
  settle();
  EXPECT_EQ(form.Caption(), fresh.Caption());
  EXPECT_EQ(panel->windowTitle(), freshPanel.windowTitle());
  const QImage shown = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage want = freshPanel.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), want.size());
  EXPECT_TRUE(sameAt(shown, want, shown.rect())) << "the screen is not the panel as it starts";

  // The notice goes as at start, and the panel answers.
  dismissNotice();
  EXPECT_FALSE(form.NoticeUp());
  EXPECT_TRUE(form.Timer1.Enabled);
}

TEST_F(Showroom, TheExitButtonStartsThePanelAgainAndTheExhibitorsChordEndsIt) {
  dismissNotice();
  click(ArrayId::SWu, 2);
  ticks(10);
  click(ArrayId::SWp3, 0);  // 終了実行
  EXPECT_TRUE(form.Ended()) << "the handler asks for the end as ever";
  settle();
  EXPECT_FALSE(form.Ended());
  EXPECT_TRUE(form.NoticeUp());
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(std::count(app.calls.begin(), app.calls.end(), "End"), 0) << app.calls.size();
  EXPECT_EQ(form.state.ExitPopupOpen, 0);

  // F11 and the zoom keys cannot leave the window half way; Ctrl+Alt+Q closes it.
  const QSize full = panel->size();
  key(Qt::Key_F11);
  key(Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_TRUE(panel->isFullScreen());
  EXPECT_EQ(panel->size(), full);
  key(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(panel->isVisible());
  key(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
  EXPECT_FALSE(panel->isVisible());
}

TEST_F(Showroom, ATouchHidesThePointerAndAMouseBringsItBack) {
  static QPointingDevice* screen = QTest::createTouchDevice();
  QTest::touchEvent(panel.get(), screen).press(0, notice());
  QTest::touchEvent(panel.get(), screen).release(0, notice());
  EXPECT_EQ(panel->cursor().shape(), Qt::BlankCursor);
  ticks(10);
  EXPECT_EQ(panel->cursor().shape(), Qt::BlankCursor) << "a tick brought the pointer back";
  move(centreOf(ArrayId::SWm, 0));
  EXPECT_NE(panel->cursor().shape(), Qt::BlankCursor);
  EXPECT_EQ(panel->cursor().shape(), Qt::BitmapCursor) << "not the panel's pointer over a button";
}

}  // namespace
}  // namespace yunuri::shelltest
