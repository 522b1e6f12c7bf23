// The room's picture: following an idle panel, and painting it again after a change at twice the size.
#include <benchmark/benchmark.h>

#include <QImage>

#include "assets/RoomPicture.h"
#include "shell/RoomWidget.h"
#include "support/Panel.h"

namespace yunuri::bench {
namespace {

// What an idle tick adds with the room shown: one look at the panel's state, nothing painted.
void BM_RoomIdleFollow(benchmark::State& state) {
  test::ShownPanel p;
  RoomWidget room(p.f, nullptr);
  for (auto _ : state) room.follow();
  if (room.paintCount() != 0) state.SkipWithError("an idle room painted");
}
BENCHMARK(BM_RoomIdleFollow);

// A change (MUTE pressed or released) painted at 2x: the widget paints the picture anew, as on screen.
void BM_RoomRepaint(benchmark::State& state) {
  const auto scale = static_cast<qreal>(state.range(0));
  test::ShownPanel p;
  RoomWidget room(p.f, nullptr);
  room.resize((QSizeF(assets::kRoomWidth, assets::kRoomHeight) * scale).toSize());
  QImage target(room.size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    p.f.state.MuteOn = p.f.state.MuteOn == 0 ? 1 : 0;
    room.follow();
    room.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  if (room.paintCount() < state.iterations()) state.SkipWithError("a change was not painted");
}
BENCHMARK(BM_RoomRepaint)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace yunuri::bench
