#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The screens the panel is shown full screen on, side by side: first the offscreen platform's own 800 x 600,
// which every other test sees as the primary screen, then the sizes showrooms have.
constexpr int kScreens[][2] = {{800, 600},   {1024, 768}, {1280, 800}, {1366, 768},
                               {1280, 1024}, {1600, 900}, {1920, 1080}};

QByteArray screenLayout() {
  QByteArray json = R"({"screens": [)";
  int x = 0;
  for (const auto& [width, height] : kScreens) {
    if (x != 0) json += ',';
    json += QByteArray(R"({"name": "screen%1", "x": %1, "y": 0, "width": %2, "height": %3, )"
                       R"("logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1})")
                .replace("%1", QByteArray::number(x))
                .replace("%2", QByteArray::number(width))
                .replace("%3", QByteArray::number(height));
    x += width;
  }
  return json + "]}";
}

}  // namespace

// Shell tests run real widgets on the offscreen platform.
int main(int argc, char** argv) {
  const QTemporaryDir dir;
  QFile layout(dir.filePath(QStringLiteral("screens.json")));
  if (!layout.open(QIODevice::WriteOnly) || layout.write(screenLayout()) < 0) return 1;
  layout.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + layout.fileName().toLocal8Bit());
  // What a test remembers (F9's choice) goes to a test directory, never to the user's own settings.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
