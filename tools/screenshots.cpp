// Renders the real panel (Form1 driven through its handlers, painted by the shell's painter) and the picture
// of the room beside it in their main states to PNG files, at 100 % and 200 %. Needs no display: it runs on
// the offscreen platform.
//
//   yunuri-screenshots <directory>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "assets/RoomPicture.h"
#include "assets/Words.h"
#include "devices/RealProjector.h"
#include "shell/Language.h"
#include "shell/PanelPainter.h"
#include "shell/StatusLine.h"
#include "support/Panel.h"
#include "window/RoomView.h"

namespace {

using yunuri::ArrayId;
using yunuri::Form1;

constexpr int kSlideTicks = 20;  // long enough for any popup or panel to come to rest
constexpr int kVolumeRampTicks = 55;
constexpr int kWarmingTicks = 9;  // the ON button is lit on the tenth tick of the warm-up

using Scene = yunuri::test::Panel;

// The notice clicked away and the select-a-device panel at rest.
void pastNotice(Scene& s) {
  s.dismissNotice();
  s.ticks(kSlideTicks);
}

struct Shot {
  const char* name;
  std::function<void(Scene&)> script;
};

const std::vector<Shot>& shots() {
  static const std::vector<Shot> list = {
      {"notice", [](Scene&) {}},
      {"panel", [](Scene& s) { pastNotice(s); }},
      {"popup-projector",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWu, 0);
         s.ticks(kSlideTicks);
       }},
      {"popup-cdmd",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWu, 1);
         s.ticks(kSlideTicks);
       }},
      {"popup-exit",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWu, 2);
         s.ticks(kSlideTicks);
       }},
      {"remote-realdevice", [](Scene& s) { pastNotice(s), s.click(ArrayId::SWm, 1), s.ticks(kSlideTicks); }},
      {"remote-dvdvtr",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWm, 6);
         s.ticks(kSlideTicks);
         s.click(ArrayId::SWs, 0);
         s.press(ArrayId::SWr1, 6);
       }},
      {"remote-vtr", [](Scene& s) { pastNotice(s), s.click(ArrayId::SWm, 7), s.ticks(kSlideTicks); }},
      {"remote-dvd",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWm, 8);
         s.ticks(kSlideTicks);
         s.click(ArrayId::SWs, 1);
       }},
      {"remote-domecamera", [](Scene& s) { pastNotice(s), s.click(ArrayId::SWm, 10), s.ticks(kSlideTicks); }},
      {"muted",
       [](Scene& s) {
         pastNotice(s);
         s.press(ArrayId::SWv, 2);
         s.ticks(1);
         s.release(ArrayId::SWv, 2);
       }},
      {"volume-100",
       [](Scene& s) {
         pastNotice(s);
         s.press(ArrayId::SWv, 0);
         s.ticks(kVolumeRampTicks);
         s.release(ArrayId::SWv, 0);
       }},
      {"projector-warming",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWu, 0);
         s.ticks(kSlideTicks);
         s.click(ArrayId::SWp1, 1);  // left projector starts cooling down
         s.click(ArrayId::SWp1, 0);  // and is switched on again at once: it warms up
         s.ticks(kWarmingTicks);
       }},
      {"pressed-source",
       [](Scene& s) {
         pastNotice(s);
         s.click(ArrayId::SWm, 9);
         s.ticks(kSlideTicks);
         s.press(ArrayId::SWu, 2);
       }},
  };
  return list;
}

// A projector of a room file whose address refuses the connection: its socket never gets anywhere.
struct RefusingSocket : yunuri::ProjectorSocket {
  void Connect() override {}
  void Write(std::string_view) override {}
  void Close() override {}
  void Log(std::string_view) override {}
};

// The room's states, each driven through the panel as a visitor would.
void sendTo(Scene& s, int source, int screen) {
  s.click(ArrayId::SWm, source);
  s.ticks(kSlideTicks);
  s.click(ArrayId::SWs, screen);
}

void bothShowing(Scene& s) {
  pastNotice(s);
  sendTo(s, 6, 0);  // the DVD/VTR on the left
  sendTo(s, 4, 1);  // the document camera on the right
}

void switchLeftProjector(Scene& s, int button) {
  s.click(ArrayId::SWu, 0);
  s.ticks(kSlideTicks);
  s.click(ArrayId::SWp1, button);
}

const std::vector<Shot>& roomShots() {
  static const std::vector<Shot> list = {
      {"room-start", [](Scene& s) { pastNotice(s); }},
      {"room-both-showing", bothShowing},
      {"room-warming",
       [](Scene& s) {
         bothShowing(s);
         switchLeftProjector(s, 1);
         s.click(ArrayId::SWp1, 0);  // on again at once: it warms up
         s.ticks(40);
       }},
      {"room-cooling",
       [](Scene& s) {
         bothShowing(s);
         switchLeftProjector(s, 1);
         s.ticks(30);
       }},
      {"room-muted",
       [](Scene& s) {
         bothShowing(s);
         s.click(ArrayId::SWv, 2);
       }},
      {"room-unlinked",
       [](Scene& s) {
         // Each scene's projector outlives it: the tool ends soon after.
         static RefusingSocket socket;
         static std::deque<yunuri::RealProjector> projectors;
         yunuri::room::ProjectorLink link;
         link.host = "192.0.2.10";  // an address kept for documentation: nothing is sent anywhere
         yunuri::RealProjector& left = projectors.emplace_back(link, socket);
         bothShowing(s);
         s.f.Attach(0, &left);
         s.ticks(1);
         left.Lost(yunuri::LinkLoss::Refused);
         s.ticks(1);
       }},
  };
  return list;
}

QImage render(const Form1& form, qreal ratio) {
  QImage image(QSize(yunuri::kWindowWidth, yunuri::kWindowHeight) * ratio,
               QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::black);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  yunuri::assets::PictureCache cache;
  yunuri::paintPanel(painter, form, cache, ratio, QRectF(0, 0, yunuri::kWindowWidth, yunuri::kWindowHeight));
  return image;
}

// Full screen's status line under the longest caption, alone on its ground: the band a 1024 x 768 screen
// leaves under the panel, and one narrow enough to need two lines.
struct Band {
  const char* name;
  QSize size;
};
constexpr std::array<Band, 2> kBands = {{{"statusline", {1024, 116}}, {"statusline-narrow", {400, 64}}}};
const QColor kGround(20, 18, 17);  // as around the panel in full screen

QImage renderStatusLine(const QString& text, QSize band, qreal ratio) {
  QImage image(band * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(kGround);
  QPainter painter(&image);
  yunuri::paintStatusLine(painter, QRect(QPoint(), band), text);
  return image;
}

// The left screen showing the multi-standard VTR, the longest of the captions.
QString longestCaption() {
  Scene s;
  pastNotice(s);
  s.click(ArrayId::SWm, 7);
  s.ticks(kSlideTicks);
  s.click(ArrayId::SWs, 0);
  return yunuri::assets::shownWithoutTitle(s.f.Caption());
}

// One picture at 100 % and 200 %, as name<suffix>@<scale>x.png; false, said on standard error, when a file
// cannot be written.
bool saveBoth(const QDir& out, const char* name, const QString& suffix,
              const std::function<QImage(qreal)>& paint) {
  for (const int scale : {1, 2}) {
    const QString file =
        out.filePath(QStringLiteral("%1%2@%3x.png").arg(QString::fromUtf8(name), suffix).arg(scale));
    if (!paint(scale).save(file)) {
      std::fprintf(stderr, "yunuri-screenshots: cannot write %s\n", qPrintable(file));
      return false;
    }
  }
  std::printf("%s%s\n", name, qPrintable(suffix));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: yunuri-screenshots <directory>\n", stderr);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "yunuri-screenshots: cannot create %s\n", argv[1]);
    return 1;
  }
  // Every state in every language: the panel's own under the plain names, the others as name-<code>.
  for (const QString& language : yunuri::builtInLanguages()) {
    yunuri::setLanguage(language);
    const QString suffix = language == QLatin1String(yunuri::kPanelLanguage) ? QString() : u'-' + language;
    for (const Shot& shot : shots()) {
      Scene scene;
      shot.script(scene);
      if (!saveBoth(out, shot.name, suffix, [&](qreal scale) { return render(scene.f, scale); })) return 1;
    }
    for (const Band& band : kBands) {
      if (!saveBoth(out, band.name, suffix,
                    [&](qreal scale) { return renderStatusLine(longestCaption(), band.size, scale); })) {
        return 1;
      }
    }
    for (const Shot& shot : roomShots()) {
      Scene scene;
      shot.script(scene);
      const yunuri::RoomView view = yunuri::ViewOf(scene.f);
      if (!saveBoth(out, shot.name, suffix,
                    [&](qreal scale) { return yunuri::assets::renderRoom(view, scale); })) {
        return 1;
      }
    }
    // The main shot under a plain name as well.
    Scene main;
    pastNotice(main);
    render(main.f, 1).save(out.filePath(QStringLiteral("panel%1.png").arg(suffix)));
  }
  return 0;
}
