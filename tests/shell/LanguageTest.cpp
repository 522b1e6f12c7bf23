// The panel in another language: every text it shows or says translated, every label fitting its button,
// and a switch that changes the words and nothing else.
#include <QAccessible>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ShellFixture.h"
#include "assets/Buttons.h"
#include "assets/Fonts.h"
#include "assets/Words.h"
#include "core/PanelReach.h"
#include "shell/Language.h"
#include "shell/PanelAccessible.h"
#include "shell/StatusLine.h"
#include "window/Groups.h"
#include "window/Layout.h"

namespace yunuri::test {
std::span<const std::string_view> LegalCaptions();
}

namespace yunuri::shelltest {
namespace {

const QString kJapanese = QString::fromLatin1(kPanelLanguage);
const QString kEnglish = QStringLiteral("en");
// Larger letters are smooth enough in grey.
constexpr int kLargestCrisp = 12;

QString qs(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Kana, kanji, Japanese punctuation and the half-width forms.
bool hasJapanese(const QString& s) {
  return std::any_of(s.begin(), s.end(), [](QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
  });
}

// Every name and description in the accessible tree under `node`.
void collectSaid(QAccessibleInterface* node, QStringList& out) {
  out << node->text(QAccessible::Name) << node->text(QAccessible::Description);
  for (int i = 0; i < node->childCount(); ++i) collectSaid(node->child(i), out);
}

// Each button's caption as printed, and each source's name as the strips under the screens print it.
QStringList paintedLabels() {
  QStringList out;
  for (const ButtonEntry& e : Catalogue()) {
    if (e.kind != ButtonKind::Label) out << assets::buttonFace(e.array, e.index).printed();
  }
  for (int source = 0; source < kSourceCount; ++source) out << assets::shortName(source);
  return out;
}

QAccessibleInterface* findNamed(QAccessibleInterface* node, const QString& name) {
  if (node->text(QAccessible::Name) == name) return node;
  for (int i = 0; i < node->childCount(); ++i) {
    if (QAccessibleInterface* found = findNamed(node->child(i), name)) return found;
  }
  return nullptr;
}

class LanguageTest : public ShellTest {
 protected:
  void TearDown() override {
    ShellTest::TearDown();
    setLanguage(kJapanese);
  }

  void use(ArrayId id, int index) {
    panel->pressFromAccessible({id, index});
    ticks(test::kSettleTicks);
  }
  // What the window says in the state it is in: its title, and every name and description in its tree.
  QStringList saidNow() const {
    QStringList said{panel->windowTitle()};
    collectSaid(QAccessible::queryAccessibleInterface(panel.get()), said);
    return said;
  }
};

TEST_F(LanguageTest, EnglishLeavesNoJapaneseInCaptionsLabelsOrAccessibleTexts) {
  ASSERT_TRUE(setLanguage(kEnglish));
  settle();
  for (const std::string_view caption : test::LegalCaptions()) {
    const QString english = assets::shown(caption);
    EXPECT_FALSE(hasJapanese(english)) << english.toStdString();
    EXPECT_TRUE(english.startsWith(caption.size() > kTitle.size() ? QStringLiteral("Yunuri  ")
                                                                  : QStringLiteral("Yunuri")))
        << english.toStdString();
  }
  for (const QString& label : paintedLabels()) EXPECT_FALSE(hasJapanese(label)) << label.toStdString();

  // The states a visitor reaches: the notice, every source sent to each screen with its remote in view,
  // each popup open, the sound muted.
  QStringList said = saidNow();
  dismissNotice();
  for (int source = 0; source < kSourceCount; ++source) {
    use(ArrayId::SWm, source);
    use(ArrayId::SWs, source % 2);
    said << saidNow();
  }
  for (int popup = 0; popup < kPopupCount; ++popup) {
    use(ArrayId::SWu, popup);
    said << saidNow();
    use(CloseButtonOf(popup).array, CloseButtonOf(popup).index);
  }
  use(ArrayId::SWv, 2);
  said << saidNow();
  ASSERT_GT(said.size(), 1000) << "the walk did not reach the accessible tree";
  for (const QString& text : said) EXPECT_FALSE(hasJapanese(text)) << text.toStdString();
}

// Each language wraps the paragraphs to its own lines: each paragraph's rectangle starts and ends with inked
// rows, and the rows above, between and below them hold no ink.
TEST_F(LanguageTest, ScreenReadersFindTheNoticeParagraphsWhereTheirLinesArePainted) {
  for (const QString& language : builtInLanguages()) {
    ASSERT_TRUE(setLanguage(language));
    settle();
    const QImage shown = grabbed();
    std::vector<QRect> rects;
    for (const TextEntry& t : printed::kNotice) {
      QAccessibleInterface* node =
          findNamed(QAccessible::queryAccessibleInterface(panel.get()), accessibleText(t.text));
      ASSERT_NE(node, nullptr) << language.toStdString();
      rects.push_back(node->rect().translated(-panel->mapToGlobal(QPoint(0, 0))));
    }
    const auto inked = [&](int from, int to) {
      for (int y = from; y <= to; ++y) {
        for (int x = rects[0].left(); x <= rects[0].right(); ++x) {
          if (qGray(shown.pixel(x, y)) < 100) return true;
        }
      }
      return false;
    };
    int clear = rects[0].top() - 6;
    for (const QRect& r : rects) {
      EXPECT_FALSE(inked(clear, r.top() - 1)) << language.toStdString() << " ink above " << r.top();
      EXPECT_TRUE(inked(r.top(), r.top() + 5) && inked(r.bottom() - 5, r.bottom()))
          << language.toStdString() << " no ink at the edges of " << r.top() << ".." << r.bottom();
      clear = r.bottom() + 1;
    }
    EXPECT_FALSE(inked(clear, clear + 5)) << language.toStdString() << " ink below the last paragraph";
  }
}

// Measured with the artwork's own fitting, on a painter at 100 %.
TEST_F(LanguageTest, EveryLabelFitsItsButtonAtFullSizeInEveryLanguage) {
  QImage image(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  for (const QString& language : builtInLanguages()) {
    ASSERT_TRUE(setLanguage(language));
    const bool latin = language != kJapanese;
    for (const ButtonEntry& e : Catalogue()) {
      if (e.kind == ButtonKind::Label || e.label.empty()) continue;
      const Rect r = paintedRect(e.array, e.index);
      const assets::TextFit fit = assets::captionFit(p, e.array, e.index, QRectF(0, 0, r.width, r.height));
      const std::string what =
          language.toStdString() + " " + assets::buttonFace(e.array, e.index).printed().toStdString();
      // Whole pixels and never squeezed (beyond the half pixel a side the painter lets ink overhang).
      EXPECT_GE(fit.pixels, 8) << what;
      EXPECT_GT(fit.condense, 0.97) << what;
      // Latin lines pressed together run their descenders into the next line's capitals, and small grey
      // or condensed Latin letters blur into each other ("Pawer" for "Power").
      if (latin) {
        EXPECT_FALSE(fit.closedUp) << what;
        EXPECT_TRUE(fit.crisp || fit.pixels > kLargestCrisp) << what;
      }
    }
    // The strips under the screens may close their letters up a little, never to the cut.
    const Size strip = litSize(ArrayId::MES, 0);
    for (int source = 0; source < kSourceCount; ++source) {
      const assets::TextFit fit = assets::fitOf(p, QRectF(0, 0, strip.width - 4, strip.height),
                                                assets::shortName(source), assets::gothic(11, true));
      EXPECT_GT(fit.condense, 0.7) << language.toStdString() << " "
                                   << assets::shortName(source).toStdString();
    }
    // The remote area's heading stands clear of the card's rounded corners.
    const Rect heading = printed::kRemoteHeading.rect;
    const assets::TextFit fit =
        assets::fitOf(p, QRectF(0, 0, heading.width, heading.height),
                      assets::shown(printed::kRemoteHeading.text), assets::gothic(11, true));
    EXPECT_LE(fit.width, heading.width - 12) << language.toStdString();
  }
}

TEST_F(LanguageTest, CtrlLChangesTheWordsWhileAWarmUpAPopupAndAHeldButtonGoOn) {
  dismissNotice();
  use(ArrayId::SWu, test::kPowerPopup);
  use(ArrayId::SWp1, test::kLeftButtons.off);
  use(ArrayId::SWp1, test::kLeftButtons.on);  // straight back on: the left projector warms up, blinking
  press(centreOf(ArrayId::SWv, 0));           // ▲ held: the ramp runs
  ticks(2);
  const std::string japanese = form.Caption();
  ASSERT_EQ(panel->windowTitle(), qs(japanese));
  const test::Snapshot before = test::snapshot(form);
  const int level = form.state.VolumeLevel;
  const int phase = form.state.LeftProjectorState;

  key(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(currentLanguage(), kEnglish);
  EXPECT_TRUE(test::snapshot(form) == before) << "the switch touched the panel";
  EXPECT_TRUE(form.Holding());
  EXPECT_TRUE(panel->windowTitle().startsWith(u"Yunuri  ")) << panel->windowTitle().toStdString();
  EXPECT_FALSE(hasJapanese(panel->windowTitle()));

  ticks(3);
  EXPECT_GT(form.state.VolumeLevel, level);
  EXPECT_NE(form.state.LeftProjectorState, phase);
  EXPECT_TRUE(form.Showing(ArrayId::SWp1, 0));
  release(centreOf(ArrayId::SWv, 0));

  // Back in Japanese the caption reads byte for byte as the panel holds it.
  key(Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(currentLanguage(), kJapanese);
  EXPECT_EQ(panel->windowTitle(), qs(form.Caption()));
}

TEST_F(LanguageTest, FullScreenOffersTheOtherLanguageAtEveryScreenSizeInTheTreeAndTheTabOrder) {
  EXPECT_EQ(panel->findChild<QPushButton*>(QStringLiteral("language")), nullptr) << "made in a window";
  key(Qt::Key_F11);
  settle();
  ASSERT_TRUE(panel->isFullScreen());
  auto* button = panel->findChild<QPushButton*>(QStringLiteral("language"));
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isVisible());
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(panel.get());
  // Shown, a touch target clear of the panel in the screen's top right, named in the language it offers and
  // last in the tree after the panel's nodes.
  const auto expectOffered = [&](const QString& name, const std::string& where) {
    ASSERT_TRUE(button->isVisible()) << where;
    const QRect shown = button->geometry();
    const QRect panelArea = panel->panelToWidget(QRectF(0, 0, kWindowWidth, kWindowHeight));
    EXPECT_GE(shown.width(), 48) << where;
    EXPECT_GE(shown.height(), 48) << where;
    EXPECT_TRUE(panel->rect().contains(shown)) << where;
    EXPECT_GT(shown.left(), panel->width() * 3 / 4) << where;
    EXPECT_LT(shown.bottom(), panel->height() / 4) << where;
    EXPECT_FALSE(panelArea.intersects(shown)) << where;
    EXPECT_GE(panel->height() - 1 - panelArea.bottom(), statusLineReserve(panel->size())) << where;
    EXPECT_EQ(button->text(), name) << where;
    ASSERT_GT(tree->childCount(), 0);
    EXPECT_EQ(tree->child(tree->childCount() - 1)->object(), button) << where;
  };
  // On every screen the tests have (the sizes showrooms have, from 800 x 600 to 1920 x 1080).
  ASSERT_GE(QApplication::screens().size(), 7);
  for (QScreen* screen : QApplication::screens()) {
    key(Qt::Key_F11);
    panel->windowHandle()->setScreen(screen);
    panel->move(screen->geometry().topLeft());
    key(Qt::Key_F11);
    const QSize size = screen->size();
    const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height());
    ASSERT_TRUE(panel->isFullScreen()) << where;
    ASSERT_EQ(panel->size(), size) << where;
    expectOffered(QStringLiteral("English"), where);
    key(Qt::Key_L, Qt::ControlModifier);
    expectOffered(QStringLiteral("日本語"), where + " in English");
    key(Qt::Key_L, Qt::ControlModifier);
    expectOffered(QStringLiteral("English"), where + " back in Japanese");
    // The common showroom screen keeps the panel at 200 %: the button takes no zoom step there.
    if (size == QSize(1024, 768)) {
      EXPECT_EQ(panel->panelToWidget(QRectF(0, 0, kWindowWidth, kWindowHeight)).width(), 800);
    }
  }
  key(Qt::Key_L, Qt::ControlModifier);
  panel->startAgain();
  settle();
  expectOffered(QStringLiteral("English"), "after starting again");

  dismissNotice();
  // Tab from the panel's last button reaches it; the next Tab returns to the panel.
  const ButtonEntry& lastButton = Catalogue().back();
  panel->focusButton({lastButton.array, lastButton.index});
  int tabs = 0;
  while (!button->hasFocus() && tabs++ < 200) key(Qt::Key_Tab);
  EXPECT_TRUE(button->hasFocus());

  button->click();
  settle();
  EXPECT_EQ(currentLanguage(), kEnglish);
  EXPECT_EQ(button->text(), QStringLiteral("日本語"));
}

}  // namespace
}  // namespace yunuri::shelltest
