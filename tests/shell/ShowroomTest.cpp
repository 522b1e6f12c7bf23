// Full screen's status line and showroom mode: the caption on the ground under the panel, whole and current;
// the panel starting again after a while without a press and instead of ending; the exhibitor's keys.
#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include "ShellFixture.h"
#include "shell/Language.h"
#include "shell/ShowroomApp.h"
#include "shell/StatusLine.h"

namespace yunuri::shelltest {
namespace {

const QColor kGround(20, 18, 17);
constexpr std::string_view kLongest = "ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡";

// The region the widget was asked to paint since the last look.
class PaintSpy : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

// A panel as main() starts it in showroom mode, the platform a fake that records what it was asked.
class Showroom : public ::testing::Test {
 protected:
  FakeApp app;
  ShowroomApp showroom{app};
  Form1 form{showroom};
  std::unique_ptr<PanelWidget> panel;

  void SetUp() override {
    Form_Load(form);
    app.calls.clear();
    panel = std::make_unique<PanelWidget>(form);
    panel->setIdleReset(180);
    showroom.restartInsteadOfEnd([this] { panel->startAgain(); });
    panel->startShowroom();
    settle();
    ASSERT_TRUE(panel->isFullScreen());
  }

  // The widget point over the middle of button i, wherever full screen has put the panel.
  QPoint at(ArrayId id, int i) const {
    const DirtyRect r = form.WindowRect(form.Element(id, i));
    return panel->panelToWidget(QRectF(r.left, r.top, r.width, r.height)).center();
  }
  void mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(p), panel->mapToGlobal(QPointF(p)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(panel.get(), &e);
  }
  void click(QPoint p) {
    mouse(QEvent::MouseButtonPress, p, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, p, Qt::NoButton);
  }
  void click(ArrayId id, int i) { click(at(id, i)); }
  void key(int k, Qt::KeyboardModifiers mods) {
    QKeyEvent press(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(panel.get(), &press);
    settle();
  }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) panel->tick();
  }
  void dismissNotice() {
    click(panel->panelToWidget(QRectF(200, 150, 1, 1)).center());
    ticks(7);
  }
  static void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  QTimer* idleTimer() const { return panel->findChild<QTimer*>(QStringLiteral("IdleReset")); }

  // The status line as it should read: the caption set on the ground in the line's place.
  QImage expectedLine(const QString& caption) const {
    QImage image(panel->size() * panel->devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(panel->devicePixelRatioF());
    image.fill(kGround);
    QPainter painter(&image);
    paintStatusLine(painter, panel->statusLineRect(), caption);
    return image;
  }
  bool lineReads(std::string_view caption) const {
    const QRect line = panel->statusLineRect();
    const qreal ratio = panel->devicePixelRatioF();
    return sameAt(panel->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  expectedLine(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()))),
                  QRect(line.topLeft() * ratio, line.size() * ratio));
  }
};

TEST_F(Showroom, TheStatusLineShowsTheCaptionUnderThePanelAndFollowsItWithoutIdleRepaints) {
  const QRect line = panel->statusLineRect();
  const QRect shown = panel->panelToWidget(QRectF(0, 0, 400, 300));
  ASSERT_FALSE(line.isEmpty());
  EXPECT_GE(line.top(), shown.bottom());
  EXPECT_EQ(line.bottom(), panel->height() - 1);
  EXPECT_GE(line.height(), statusLineReserve(panel->size())) << "the zoom left no room for the line";
  EXPECT_EQ(shown.left(), panel->width() - 1 - shown.right()) << "the panel is not centred";
  EXPECT_TRUE(lineReads("ゆぬり～"));
  EXPECT_FALSE(lineReads("ゆぬり～  "));  // the comparison sees a wrong text
  // A screen reader's status line lies where the line is painted, not on a title bar full screen has not.
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(panel.get());
  QAccessibleInterface* status = nullptr;
  for (int i = 0; i < tree->childCount() && status == nullptr; ++i) {
    if (tree->child(i)->role() == QAccessible::StatusBar) status = tree->child(i);
  }
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->rect(), QRect(panel->mapToGlobal(line.topLeft()), line.size()));

  dismissNotice();
  settle();
  PaintSpy spy;
  panel->installEventFilter(&spy);
  click(ArrayId::SWm, 6);
  ASSERT_EQ(form.Caption(), "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡");
  settle();
  EXPECT_TRUE(spy.painted.contains(line)) << "the screen still shows the old line";
  EXPECT_TRUE(lineReads(form.Caption()));

  ticks(20);
  const int before = panel->paintCount();
  ticks(30);
  EXPECT_EQ(panel->paintCount(), before) << "an idle full screen repainted";
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
  const QPoint up = at(ArrayId::SWv, 0);
  mouse(QEvent::MouseButtonPress, up, Qt::LeftButton);
  ticks(3);
  idleTimer()->stop();
  panel->startAgain();
  EXPECT_TRUE(form.Holding());
  EXPECT_FALSE(form.NoticeUp());
  EXPECT_TRUE(idleTimer()->isActive()) << "a press that ends by losing the capture would leave no wait";
  idleTimer()->stop();
  mouse(QEvent::MouseButtonRelease, up, Qt::NoButton);
  EXPECT_TRUE(idleTimer()->isActive());

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
  key(Qt::Key_F11, Qt::NoModifier);
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
  const QPoint notice = panel->panelToWidget(QRectF(200, 150, 1, 1)).center();
  QTest::touchEvent(panel.get(), screen).press(0, notice);
  QTest::touchEvent(panel.get(), screen).release(0, notice);
  EXPECT_EQ(panel->cursor().shape(), Qt::BlankCursor);
  ticks(10);
  EXPECT_EQ(panel->cursor().shape(), Qt::BlankCursor) << "a tick brought the pointer back";
  mouse(QEvent::MouseMove, at(ArrayId::SWm, 0), Qt::NoButton);
  EXPECT_NE(panel->cursor().shape(), Qt::BlankCursor);
  EXPECT_EQ(panel->cursor().shape(), Qt::BitmapCursor) << "not the panel's pointer over a button";
}

}  // namespace
}  // namespace yunuri::shelltest
