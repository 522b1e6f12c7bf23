// Started without a Japanese font, the panel says so once in a dialog, still starts, and letters its Latin
// words in a sans face; with the font, it says nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "assets/Fonts.h"
#include "shell/FontWarning.h"

namespace yunuri {
namespace {

constexpr const char* kLatinFonts = "/usr/share/fonts/truetype/dejavu";

struct Presented {
  int count = 0;
  QString title;
  QString text;
};

WarningPresenter recorder(Presented& into) {
  return [&into](QWidget*, const QString& title, const QString& text) {
    ++into.count;
    into.title = title;
    into.text = text;
  };
}

// Runs in a process of its own whose font configuration knows only Latin fonts; ends it with status 0 when
// the warning and the fallback are as they should be.
[[noreturn]] void startWithoutJapaneseFonts() {
  Presented presented;
  const bool warned = warnIfNoJapaneseFont(nullptr, recorder(presented));
  const QString family = QFontInfo(assets::gothic(12)).family();
  const bool ok = warned && presented.count == 1 &&
                  presented.text.contains(QLatin1String("fonts-ipafont-gothic")) &&
                  presented.text.contains(QLatin1String("fonts-noto-cjk")) &&
                  presented.text.contains(QLatin1String("No Japanese gothic font")) && !family.isEmpty() &&
                  !family.contains(QLatin1String("Serif"));
  std::fprintf(stderr, "letters in %s\n", qPrintable(family));
  std::fflush(stderr);
  std::_Exit(ok ? EXIT_SUCCESS : EXIT_FAILURE);
}

TEST(FontWarning, OneDialogWithoutAJapaneseFontAndNoneWithOne) {
  Presented presented;
  EXPECT_FALSE(warnIfNoJapaneseFont(nullptr, recorder(presented)));
  EXPECT_EQ(presented.count, 0);

  if (!QDir(QString::fromLatin1(kLatinFonts)).exists()) GTEST_SKIP() << "no Latin fonts at " << kLatinFonts;
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile config(dir.filePath(QStringLiteral("fonts.conf")));
  ASSERT_TRUE(config.open(QIODevice::WriteOnly));
  config.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                              "<fontconfig><dir>%1</dir><cachedir>%2</cachedir>"
                              "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include></fontconfig>\n")
                   .arg(QString::fromLatin1(kLatinFonts), dir.filePath(QStringLiteral("cache")))
                   .toUtf8());
  config.close();
  // A fresh process reads the font configuration from the start; the variable is put back at once, before
  // this process could read it.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const QByteArray saved = qgetenv("FONTCONFIG_FILE");
  qputenv("FONTCONFIG_FILE", QFile::encodeName(config.fileName()));
  EXPECT_EXIT(startWithoutJapaneseFonts(), testing::ExitedWithCode(EXIT_SUCCESS),
              "yunuri: no Japanese font found.*fonts-ipafont-gothic");
  if (saved.isNull()) {
    qunsetenv("FONTCONFIG_FILE");
  } else {
    qputenv("FONTCONFIG_FILE", saved);
  }
}

}  // namespace
}  // namespace yunuri
