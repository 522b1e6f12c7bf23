// Painting a whole frame from cached pictures, building the cache, and the shell's share of an idle tick.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "assets/PictureCache.h"
#include "shell/PanelPainter.h"
#include "shell/PanelWidget.h"
#include "support/Panel.h"

namespace yunuri::bench {
namespace {

const QRectF kWholeWindow(0, 0, kWindowWidth, kWindowHeight);

// Every picture the panel can show: the window's own, each picture box's and every lit twin and label.
std::vector<Picture> allPictures(const Form1& f) {
  std::vector<Picture> pictures = {Picture::base(BasePicture::MainPanel)};
  for (int b = 0; b < kBoxCount; ++b) pictures.push_back(f.Box(static_cast<BoxId>(b)).picture);
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    for (int i = 0; i < static_cast<int>(f.Elements(id).size()); ++i) {
      const Picture twin = f.Twin(id, i);
      if (std::find(pictures.begin(), pictures.end(), twin) == pictures.end()) pictures.push_back(twin);
    }
  }
  return pictures;
}

// A busy frame: the CD/MD popup down, the DVD/VTR remote in view, a source lit and a screen label set.
void dressForPainting(test::ShownPanel& p) {
  p.click(ArrayId::SWu, 1);
  p.click(ArrayId::SWm, 6);
  p.click(ArrayId::SWs, 0);
  p.settle();
}

void BM_PaintFrame(benchmark::State& state) {
  const qreal ratio = static_cast<qreal>(state.range(0));
  test::ShownPanel p;
  dressForPainting(p);
  assets::PictureCache cache;
  QImage target(QSize(kWindowWidth, kWindowHeight) * ratio, QImage::Format_ARGB32_Premultiplied);
  target.setDevicePixelRatio(ratio);
  for (const Picture& picture : allPictures(p.f)) cache.get(picture, ratio);
  for (auto _ : state) {
    QPainter painter(&target);
    paintPanel(painter, p.f, cache, ratio, kWholeWindow);
    painter.end();
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PaintFrame)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PictureCache(benchmark::State& state) {
  const qreal ratio = static_cast<qreal>(state.range(0));
  test::ShownPanel p;
  const std::vector<Picture> pictures = allPictures(p.f);
  for (auto _ : state) {
    assets::PictureCache cache;
    for (const Picture& picture : pictures) benchmark::DoNotOptimize(&cache.get(picture, ratio));
  }
  state.SetLabel(std::to_string(pictures.size()) + " pictures");
}
BENCHMARK(BM_PictureCache)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The tick as the widget runs it: the core's tick, then the caption, the touched rectangles and the pointer.
void BM_ShellIdleTick(benchmark::State& state) {
  test::ShownPanel p;
  PanelWidget widget(p.f);
  for (auto _ : state) widget.tick();
  if (widget.paintCount() != 0) state.SkipWithError("an idle tick painted");
}
BENCHMARK(BM_ShellIdleTick);

}  // namespace
}  // namespace yunuri::bench
