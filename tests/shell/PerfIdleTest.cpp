// Economy of the panel widget: a panel at rest paints nothing, a moving popup repaints only the strip it left
// and the strip it now covers, and the Japanese panel keeps no second face mapped.
#include <QFile>
#include <QPainter>
#include <QSet>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ShellFixture.h"
#include "assets/Fonts.h"
#include "assets/PaintingThread.h"
#include "assets/Words.h"

namespace yunuri::shelltest {
namespace {

using PerfIdle = ShellTest;

TEST_F(PerfIdle, APanelAtRestPaintsNothingButAChangePaints) {
  ASSERT_GT(panel->paintCount(), 0) << "the panel never painted its first frame";
  dismissNotice();
  expectIdleTicksPaintNothing();
  // The same with a popup down and a remote in view.
  click(ArrayId::SWu, 1);
  click(ArrayId::SWm, 6);
  expectIdleTicksPaintNothing();

  // The count does move when something changes, so the checks above can fail.
  const int before = panel->paintCount();
  press(centreOf(ArrayId::SWv, 0));
  settle();
  EXPECT_GT(panel->paintCount(), before);
  release(centreOf(ArrayId::SWv, 0));
}

std::string describe(const QRegion& region) {
  std::string out;
  for (const QRect& r : region) {
    out += "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height()) + ")";
  }
  return out;
}

TEST_F(PerfIdle, AMovingPopupRepaintsOnlyWhereItWasAndIs) {
  dismissNotice();
  click(ArrayId::SWu, 0);
  ticks(2);  // the first step lights the top button; later steps move the popup alone
  settle();

  const QRect window(0, 0, kWindowWidth, kWindowHeight);
  PaintSpy spy;
  panel->installEventFilter(&spy);
  const QRegion before = QRegion(rectOf(form.WindowRect(form.POP(0)))).intersected(window);
  ticks(1);
  settle();
  const QRegion after = QRegion(rectOf(form.WindowRect(form.POP(0)))).intersected(window);
  panel->removeEventFilter(&spy);

  ASSERT_NE(before, after) << "the popup did not move";
  EXPECT_EQ(spy.painted, before.united(after))
      << "painted " << describe(spy.painted) << ", expected " << describe(before.united(after));
}

// The font files mapped into this process.
QSet<QString> mappedFontFiles() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  QSet<QString> files;
  if (!maps.open(QIODevice::ReadOnly | QIODevice::Text)) return files;
  for (const QByteArray& line : maps.readAll().split('\n')) {
    const QString path = QString::fromLocal8Bit(line).section(QLatin1Char(' '), 5).trimmed();
    for (const char* suffix : {".ttf", ".otf", ".ttc", ".otc"}) {
      if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) files.insert(path);
    }
  }
  return files;
}

// A font's pages are kept only while pictures are being painted, and the Latin face costs the Japanese panel
// nothing (a face file and its glyph caches): the file English letters in is one no part of the Japanese
// panel had mapped. Looked at in a fresh process, where no earlier test's lettering can still be mapped.
TEST_F(PerfIdle, NoFaceStaysMappedAndTheLatinOneOnlyOnceEnglishShows) {
  if (!QFile::exists(QStringLiteral("/proc/self/maps"))) GTEST_SKIP() << "no /proc/self/maps here";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        dismissNotice();
        settle();
        if (panel->statusLineRect().isEmpty()) std::_Exit(3);  // no status line was painted
        // Once the painting thread is let go, the window holds no face open: the line is lettered there too.
        assets::releasePaintingThread();
        const QSet<QString> japanese = mappedFontFiles();
        if (!japanese.isEmpty()) std::_Exit(2);
        // The face English letters in, asked for without letting the panel paint in it.
        assets::setLatinLettering(true);
        const QFont latinFace = assets::gothic(13);
        assets::setLatinLettering(false);
        QImage image(200, 40, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setFont(latinFace);
        painter.drawText(QPointF(4, 20), QStringLiteral("Volume"));
        painter.end();
        for (const QString& file : japanese)
          std::fprintf(stderr, "mapped in Japanese: %s\n", qPrintable(file));
        std::_Exit((mappedFontFiles() - japanese).isEmpty() ? EXIT_FAILURE : EXIT_SUCCESS);
      },
      ::testing::ExitedWithCode(EXIT_SUCCESS), "");
}

}  // namespace
}  // namespace yunuri::shelltest
