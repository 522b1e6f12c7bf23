// Writes the application icon as PNG files in the hicolor sizes, <directory>/<size>/yunuri.png, and as one
// scalable drawing, <directory>/scalable/yunuri.svg.
//
//   yunuri-icons <directory> <size>...
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "assets/Artwork.h"
#include "tools/IconSvg.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 3) {
    std::fputs("usage: yunuri-icons <directory> <size>...\n", stderr);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString dir = QString::number(size);
    if (size <= 0 || !out.mkpath(dir) ||
        !yunuri::assets::renderIcon(size).save(out.filePath(dir + QStringLiteral("/yunuri.png")))) {
      std::fprintf(stderr, "yunuri-icons: cannot write the %s pixel icon\n", argv[i]);
      return 1;
    }
  }
  QFile svg(out.filePath(QStringLiteral("scalable/yunuri.svg")));
  if (!out.mkpath(QStringLiteral("scalable")) || !svg.open(QIODevice::WriteOnly) ||
      svg.write(yunuri::tools::iconSvg()) <= 0) {
    std::fputs("yunuri-icons: cannot write the scalable icon\n", stderr);
    return 1;
  }
  return 0;
}
