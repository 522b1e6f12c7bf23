// The core's hot paths: the tick at rest and in full motion, a press of each kind and the hit test.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "support/Panel.h"

namespace yunuri::bench {
namespace {

// Every slider is in motion and both projectors blink for this many ticks from the start below.
constexpr int kBusyTicks = 7;
constexpr Byte kLeftWarming = 4;  // blinks at 5 (dark) and 10 (lit) within the run
constexpr Byte kRightCooling = 104;

// Drains what the shell would read after a press or a tick, so that the record of touched rectangles does not
// grow.
void drain(Form1& f) {
  std::vector<DirtyRect> dirty = f.TakeDirty();
  benchmark::DoNotOptimize(dirty.data());
  benchmark::DoNotOptimize(f.TakeCaptionChanged());
}

void BM_IdleTick(benchmark::State& state) {
  test::ShownPanel p;
  for (auto _ : state) {
    Tick(p.f);
    benchmark::ClobberMemory();
  }
  if (!p.f.TakeDirty().empty() || p.f.TakeCaptionChanged())
    state.SkipWithError("an idle tick touched a control");
}
BENCHMARK(BM_IdleTick);

// All three popups dropping from closed, all six panels coming in from the left, one projector warming up
// and the other cooling down.
void startEverything(Form1& f) {
  PanelState& s = f.state;
  for (int k = 0; k < kPopupCount; ++k) {
    PictureBox& pop = f.POP(k);
    pop.Top = static_cast<float>(-pop.Height);
    const SliderBytes bytes = PopupBytes(s, k);
    bytes.wanted = 1;
    bytes.moving = 1;
  }
  for (int i = 0; i < kRemotePanelCount; ++i) {
    PictureBox& panel = f.Sousa(i);
    panel.Left = static_cast<float>(-panel.Width);
  }
  s.PanelShown.fill(1);
  s.PanelMoving.fill(1);
  s.LeftProjectorState = kLeftWarming;
  s.RightProjectorState = kRightCooling;
}

void BM_BusyTick(benchmark::State& state) {
  test::ShownPanel p;
  int n = 0;
  for (auto _ : state) {
    if (n-- == 0) {
      startEverything(p.f);
      n = kBusyTicks - 1;
    }
    Tick(p.f);
    drain(p.f);
  }
}
BENCHMARK(BM_BusyTick);

// One press and release of a button, with what the shell reads afterwards. The setup brings the button's
// popup or remote into view first.
enum class PressKind { Source, Send, Volume, TopButton, Popup, Remote };

struct PressCase {
  ArrayId array;
  int index;
};

PressCase prepare(test::ShownPanel& p, PressKind kind) {
  switch (kind) {
    case PressKind::Source:
      return {ArrayId::SWm, 6};
    case PressKind::Send:
      return {ArrayId::SWs, 0};
    case PressKind::Volume:
      return {ArrayId::SWv, 0};
    case PressKind::TopButton:
      return {ArrayId::SWu, 1};
    case PressKind::Popup:
      p.click(ArrayId::SWu, 1);  // CD/MD popup
      p.settle();
      return {ArrayId::SWp2, 6};
    case PressKind::Remote:
      p.click(ArrayId::SWm, 6);  // DVD/VTR remote
      p.settle();
      return {ArrayId::SWr1, 6};
  }
  return {ArrayId::SWm, 0};
}

void BM_Press(benchmark::State& state, PressKind kind) {
  test::ShownPanel p;
  const PressCase c = prepare(p, kind);
  const auto [x, y] = p.centre(c.array, c.index);
  if (p.f.HitTest(x, y).array != c.array) state.SkipWithError("the button is not under its centre");
  for (auto _ : state) {
    MouseDown(p.f, x, y, MouseButton::Left);
    MouseUp(p.f, x, y, MouseButton::Left);
    drain(p.f);
  }
}
BENCHMARK_CAPTURE(BM_Press, source, PressKind::Source);
BENCHMARK_CAPTURE(BM_Press, send, PressKind::Send);
BENCHMARK_CAPTURE(BM_Press, volume, PressKind::Volume);
BENCHMARK_CAPTURE(BM_Press, top_button, PressKind::TopButton);
BENCHMARK_CAPTURE(BM_Press, popup_button, PressKind::Popup);
BENCHMARK_CAPTURE(BM_Press, remote_button, PressKind::Remote);

// Points every 20 pixels over a panel with a popup down and a remote in view, so that every layer is crossed.
void BM_HitTest(benchmark::State& state) {
  constexpr int kStep = 20;
  test::ShownPanel p;
  p.click(ArrayId::SWu, 1);
  p.click(ArrayId::SWm, 6);
  p.settle();
  std::vector<std::pair<int, int>> points;
  for (int y = kStep / 2; y < kWindowHeight; y += kStep) {
    for (int x = kStep / 2; x < kWindowWidth; x += kStep) points.emplace_back(x, y);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const auto [x, y] = points[i];
    benchmark::DoNotOptimize(p.f.HitTest(x, y));
    if (++i == points.size()) i = 0;
  }
}
BENCHMARK(BM_HitTest);

}  // namespace
}  // namespace yunuri::bench
