// Random event storms against the whole panel. After every press, release, tick, lost capture and notice
// click the room and the window must still be in a state the panel can reach. A failure names the seed and
// the event number, and lists the events that led to it, so the run can be replayed with the same seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <unordered_set>

#include "support/Panel.h"

namespace yunuri::test {

std::span<const std::string_view> LegalCaptions();

namespace {

constexpr int kEventsPerSeed = 160'000;
constexpr std::array<std::uint32_t, 7> kSeeds = {1, 7, 42, 1234, 20240401, 0xBEEF, 0xC0FFEE};
constexpr std::size_t kTraceLength = 24;
// Presses that would land on 「終了実行」 are mostly moved elsewhere, so the panel lives long enough to get
// deep into its states; the few that stay end it, and the storm starts a fresh panel.
constexpr int kExitPressKeptPercent = 3;

// Where each slider rests out of view (closed) and in view (open), along its axis, and the coordinate that
// never changes.
struct SliderPlaces {
  float fixed;
  float closed;
  float open;
  float step;
};
constexpr std::array<SliderPlaces, 3> kPopups = {
    {{109, -210, 26, 30}, {204, -218, 26, 30}, {300, -198, 53, 30}}};
constexpr SliderPlaces kPanel = {85, -91, 4, 15};

enum class Kind : std::uint8_t { Press, Release, Tick, CaptureLost, NoticeClick };

struct Event {
  Kind kind = Kind::Tick;
  int x = 0;
  int y = 0;
  MouseButton button = MouseButton::Left;
};

std::string describe(const Event& e) {
  static constexpr std::array kKinds = {"press", "release", "tick", "capture lost", "notice click"};
  static constexpr std::array kButtons = {"left", "right", "middle", "other"};
  std::ostringstream out;
  out << kKinds[static_cast<std::size_t>(e.kind)];
  if (e.kind == Kind::Press || e.kind == Kind::Release || e.kind == Kind::NoticeClick) {
    out << ' ' << kButtons[static_cast<std::size_t>(e.button)] << " at (" << e.x << ", " << e.y << ')';
  }
  return out.str();
}

// The random user: mostly presses and releases on the buttons as they stand now, sometimes anywhere in or
// out of the window, with runs of ticks in between, long enough now and then for a projector to warm up.
class RandomUser {
 public:
  explicit RandomUser(std::uint32_t seed) : rng_(seed) {}

  // The panel took the last press: its release must come with the same button to count.
  void pressTaken(MouseButton b) { lastButton_ = b; }

  Event next(const Form1& f) {
    if (pendingTicks_ > 0) {
      --pendingTicks_;
      return {Kind::Tick};
    }
    const int r = roll(100);
    if (r < 34) return press(f);
    if (r < 68) return release(f);
    if (r < 92) {
      pendingTicks_ = tickRun() - 1;
      return {Kind::Tick};
    }
    if (r < 97) return {Kind::CaptureLost};
    const auto [x, y] = anywhereInside();
    return {Kind::NoticeClick, x, y, MouseButton::Left};
  }

 private:
  int roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }

  int tickRun() {
    const int r = roll(100);
    if (r < 75) return 1;
    if (r < 95) return 2 + roll(19);
    return 20 + roll(111);
  }

  MouseButton button() {
    if (roll(100) < 70) return MouseButton::Left;
    return static_cast<MouseButton>(roll(4));
  }

  std::pair<int, int> anywhereInside() { return {roll(kWindowWidth), roll(kWindowHeight)}; }

  std::pair<int, int> point(const Form1& f) {
    const int r = roll(100);
    if (r < 60) {
      const auto elements = f.Elements(static_cast<ArrayId>(roll(kArrayCount)));
      const Image& image = elements[static_cast<std::size_t>(roll(static_cast<int>(elements.size())))];
      const DirtyRect w = f.WindowRect(image);
      return {static_cast<int>(std::floor(w.left)) + roll(std::max(1, static_cast<int>(w.width))),
              static_cast<int>(std::floor(w.top)) + roll(std::max(1, static_cast<int>(w.height)))};
    }
    if (r < 85) return anywhereInside();
    if (r < 97) return {roll(kWindowWidth + 80) - 40, roll(kWindowHeight + 80) - 40};
    static constexpr std::array kFar = {-1'000'000, -1, 400, 300, 1'000'000};
    return {kFar[static_cast<std::size_t>(roll(kFar.size()))],
            kFar[static_cast<std::size_t>(roll(kFar.size()))]};
  }

  static bool onExecuteExit(const Form1& f, std::pair<int, int> at) {
    const Target t = f.HitTest(at.first, at.second);
    return t.kind == Target::Kind::Element && t.array == ArrayId::SWp3 && t.index == 0;
  }

  Event press(const Form1& f) {
    auto at = point(f);
    while (onExecuteExit(f, at) && roll(100) >= kExitPressKeptPercent) at = point(f);
    lastPress_ = at;
    return {Kind::Press, at.first, at.second, button()};
  }

  Event release(const Form1& f) {
    const auto at = roll(2) == 0 ? lastPress_ : point(f);
    MouseButton b = button();
    if (const auto held = heldButton(f); held && roll(100) < 75) b = *held;
    return {Kind::Release, at.first, at.second, b};
  }

  // The core does not say which button it holds; the storm remembers the last press that was taken.
  std::optional<MouseButton> heldButton(const Form1& f) const {
    if (!f.Holding()) return std::nullopt;
    return lastButton_;
  }

  std::mt19937 rng_;
  int pendingTicks_ = 0;
  std::pair<int, int> lastPress_{0, 0};
  MouseButton lastButton_ = MouseButton::Left;
};

bool isFlag(Byte b) {
  return b <= 1;
}

std::string checkBytes(const PanelState& s) {
  if (s.VolumeLevel > 100) return "VolumeLevel " + std::to_string(s.VolumeLevel);
  if (s.LeftProjectorState > 199) return "LeftProjectorState " + std::to_string(s.LeftProjectorState);
  if (s.RightProjectorState > 199) return "RightProjectorState " + std::to_string(s.RightProjectorState);
  if (s.VolumeDirection > 2) return "VolumeDirection " + std::to_string(s.VolumeDirection);
  if (s.MonitorSource > 11) return "MonitorSource " + std::to_string(s.MonitorSource);
  if (s.LoopIndex != 6 && s.LoopIndex != 12) return "LoopIndex " + std::to_string(s.LoopIndex);
  for (Byte b : {s.MuteOn, s.VolumeHeld, s.PowerPopupOpen, s.PowerPopupMoving, s.CdMdPopupOpen,
                 s.CdMdPopupMoving, s.ExitPopupOpen, s.ExitPopupMoving}) {
    if (!isFlag(b)) return "a flag holds " + std::to_string(b);
  }
  for (std::size_t i = 0; i < 6; ++i) {
    if (!isFlag(s.PanelShown[i]) || !isFlag(s.PanelMoving[i])) return "panel bytes of " + std::to_string(i);
  }
  if (s.VolumeDirection != 0 && s.VolumeHeld != 1) return "a volume ramp with no button held";
  return {};
}

std::string checkPanelsWanted(const Form1& f) {
  const auto& shown = f.state.PanelShown;
  const auto wanted = std::count(shown.begin(), shown.end(), Byte{1});
  if (f.KABE().Visible) {
    if (wanted != 0 || std::count(f.state.PanelMoving.begin(), f.state.PanelMoving.end(), Byte{1}) != 0)
      return "a remote panel asked for behind the notice";
  } else if (wanted != 1) {
    return std::to_string(wanted) + " remote panels wanted at once";
  }
  return {};
}

// A slider stays between its two resting places (going out may pass the closed one by less than a step for
// one tick) and, at rest, stands exactly where its wanted byte says.
std::string checkSlider(const char* name, std::size_t i, float pos, float fixedNow, const SliderPlaces& p,
                        Byte wanted, Byte moving) {
  const std::string who = std::string(name) + "(" + std::to_string(i) + ")";
  if (fixedNow != p.fixed) return who + " left its track at " + std::to_string(fixedNow);
  if (!(pos > p.closed - p.step && pos <= p.open)) return who + " at " + std::to_string(pos);
  if (moving == 0 && pos != (wanted == 1 ? p.open : p.closed))
    return who + " at rest at " + std::to_string(pos) + " with wanted " + std::to_string(wanted);
  return {};
}

std::string checkSliders(const Form1& f) {
  const PanelState& s = f.state;
  const std::array<std::pair<Byte, Byte>, 3> popups = {{{s.PowerPopupOpen, s.PowerPopupMoving},
                                                        {s.CdMdPopupOpen, s.CdMdPopupMoving},
                                                        {s.ExitPopupOpen, s.ExitPopupMoving}}};
  for (std::size_t k = 0; k < 3; ++k) {
    const PictureBox& pop = f.POP(static_cast<int>(k));
    if (auto why = checkSlider("POP", k, pop.Top, pop.Left, kPopups[k], popups[k].first, popups[k].second);
        !why.empty())
      return why;
  }
  int restingInView = 0;
  for (std::size_t i = 0; i < 6; ++i) {
    const PictureBox& panel = f.Sousa(static_cast<int>(i));
    if (auto why = checkSlider("Sousa", i, panel.Left, panel.Top, kPanel, s.PanelShown[i], s.PanelMoving[i]);
        !why.empty())
      return why;
    if (s.PanelMoving[i] == 0 && panel.Left == kPanel.open) ++restingInView;
  }
  if (restingInView > 1) return std::to_string(restingInView) + " remote panels at rest in view";
  return {};
}

// Every element shows nothing or its own lit twin; a screen label always shows one of the twelve labels.
std::string checkPictures(const Form1& f) {
  for (int a = 0; a < kArrayCount; ++a) {
    const auto id = static_cast<ArrayId>(a);
    const auto elements = f.Elements(id);
    for (std::size_t i = 0; i < elements.size(); ++i) {
      const Picture p = elements[i].picture;
      const bool ok = id == ArrayId::MES ? p.kind == Picture::Kind::Label && p.index <= 11
                                         : p.isNone() || p == f.Twin(id, static_cast<int>(i));
      if (!ok) return "array " + std::to_string(a) + " element " + std::to_string(i) + " shows a stranger";
    }
  }
  int lit = 0;
  for (const Image& image : f.Elements(ArrayId::SWm)) lit += image.picture.isNone() ? 0 : 1;
  if (lit != 1) return std::to_string(lit) + " source buttons lit";
  if (f.Element(ArrayId::SWm, f.state.MonitorSource).picture.isNone()) return "the selected source is dark";
  if (f.Element(ArrayId::SWv, 2).picture.isNone() == (f.state.MuteOn == 1))
    return "MUTE lit does not match MuteOn";
  if (!f.Element(ArrayId::SWv, 0).picture.isNone() && f.state.VolumeDirection != 1)
    return "up lit with no up ramp";
  if (!f.Element(ArrayId::SWv, 1).picture.isNone() && f.state.VolumeDirection != 2)
    return "down lit with no down ramp";
  return {};
}

// The meter always shows the stored level: bar, number and per cent sign, nothing piled up.
std::string checkMeter(const Form1& f) {
  const auto& ops = f.METDrawing.ops;
  if (ops.size() != 3) return "meter holds " + std::to_string(ops.size()) + " drawings";
  if (ops[1].text != " " + std::to_string(f.state.VolumeLevel)) return "meter prints '" + ops[1].text + "'";
  return {};
}

class Invariants {
 public:
  Invariants() {
    for (std::string_view c : LegalCaptions()) legal_.emplace(c);
  }

  std::string check(const Form1& f) const {
    for (auto part :
         {checkBytes(f.state), checkPanelsWanted(f), checkSliders(f), checkPictures(f), checkMeter(f)}) {
      if (!part.empty()) return part;
    }
    if (!legal_.contains(f.Caption())) return "caption '" + f.Caption() + "'";
    return {};
  }

 private:
  std::unordered_set<std::string> legal_;
};

// What the storm reached, so that a generator that stops exercising the panel fails loudly.
struct Coverage {
  std::set<std::string> captions;
  int ends = 0;
  bool warmedUp = false;
  bool cooledDown = false;
  std::array<bool, 3> popupOpen{};
  std::array<bool, 6> panelIn{};

  void note(const Form1& f) {
    captions.insert(f.Caption());
    for (Byte p : {f.state.LeftProjectorState, f.state.RightProjectorState}) {
      warmedUp = warmedUp || (p >= 1 && p <= 99);
      cooledDown = cooledDown || p >= 101;
    }
    for (std::size_t k = 0; k < 3; ++k)
      popupOpen[k] = popupOpen[k] || f.POP(static_cast<int>(k)).Top == kPopups[k].open;
    for (std::size_t i = 0; i < 6; ++i)
      panelIn[i] = panelIn[i] || f.Sousa(static_cast<int>(i)).Left == kPanel.open;
  }
};

void apply(Form1& f, const Event& e) {
  switch (e.kind) {
    case Kind::Press:
      MouseDown(f, e.x, e.y, e.button);
      break;
    case Kind::Release:
      MouseUp(f, e.x, e.y, e.button);
      break;
    case Kind::Tick:
      Tick(f);
      break;
    case Kind::CaptureLost:
      CaptureLost(f);
      break;
    case Kind::NoticeClick:
      MouseDown(f, e.x, e.y, e.button);
      MouseUp(f, e.x, e.y, e.button);
      break;
  }
  // As the shell does after every input, so nothing piles up.
  (void)f.TakeDirty();
  (void)f.TakeCaptionChanged();
}

// Once ended, the panel takes nothing more: no tick, press or release changes the room or the caption.
std::string checkEnded(Panel& p) {
  if (std::count(p.app.calls.begin(), p.app.calls.end(), "End") != 1 || p.app.calls.back() != "End")
    return "the end did not reach the platform exactly once";
  const PanelState before = p.f.state;
  const std::string caption = p.f.Caption();
  Tick(p.f);
  p.clickAt(200, 150);
  CaptureLost(p.f);
  if (std::memcmp(&before, &p.f.state, sizeof before) != 0 || caption != p.f.Caption())
    return "the panel changed after its end";
  return {};
}

class Storm : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Storm, EveryEventLeavesTheRoomAndTheWindowConsistent) {
  const std::uint32_t seed = GetParam();
  const Invariants invariants;
  RandomUser user(seed);
  Coverage seen;
  auto panel = std::make_unique<Panel>();
  bool kabeGone = false;
  std::array<Event, kTraceLength> trace{};

  const auto report = [&](int n, const std::string& why) {
    std::ostringstream out;
    out << "seed " << seed << ", event " << n << ": " << why << "\nthe events before it, oldest first:";
    for (int k = std::max(0, n - static_cast<int>(kTraceLength) + 1); k <= n; ++k)
      out << "\n  " << k << ": " << describe(trace[static_cast<std::size_t>(k) % kTraceLength]);
    return out.str();
  };

  for (int n = 0; n < kEventsPerSeed; ++n) {
    const Event e = user.next(panel->f);
    trace[static_cast<std::size_t>(n) % kTraceLength] = e;
    const bool wasHolding = panel->f.Holding();
    apply(panel->f, e);
    if (e.kind == Kind::Press && !wasHolding && panel->f.Holding()) user.pressTaken(e.button);

    if (panel->f.Ended()) {
      if (auto why = checkEnded(*panel); !why.empty()) FAIL() << report(n, why);
      ++seen.ends;
      panel = std::make_unique<Panel>();
      kabeGone = false;
    }
    if (kabeGone && panel->f.KABE().Visible) FAIL() << report(n, "the notice came back");
    kabeGone = !panel->f.KABE().Visible;
    if (auto why = invariants.check(panel->f); !why.empty()) FAIL() << report(n, why);
    seen.note(panel->f);
  }

  // The storm must have reached deep into the panel, or the checks above prove little.
  EXPECT_GE(seen.captions.size(), 60U) << "seed " << seed;
  EXPECT_GE(seen.ends, 1) << "seed " << seed;
  EXPECT_TRUE(seen.warmedUp && seen.cooledDown) << "seed " << seed;
  for (bool open : seen.popupOpen) EXPECT_TRUE(open) << "seed " << seed;
  for (bool in : seen.panelIn) EXPECT_TRUE(in) << "seed " << seed;
  std::cout << "seed " << seed << ": " << kEventsPerSeed << " events, " << seen.ends << " ends, "
            << seen.captions.size() << " captions\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, Storm, ::testing::ValuesIn(kSeeds));

}  // namespace
}  // namespace yunuri::test
