#include "audio/Volume.h"

#include <array>
#include <string>

#include "state/Byte.h"
#include "window/Tr.h"

namespace yunuri {
namespace {

enum : int { kUp = 0, kDown = 1, kMute = 2 };

constexpr std::string_view kLouder = YUNURI_TR("Panel", "ゆぬり～  室内の音声が大きくなりました｡");
constexpr std::string_view kSofter = YUNURI_TR("Panel", "ゆぬり～  室内の音声が小さくなりました｡");
constexpr std::string_view kMuted = YUNURI_TR("Panel", "ゆぬり～  MUTE中です｡");
constexpr std::string_view kSilenced =
    YUNURI_TR("Panel", "ゆぬり～  室内の音声が消えました｡");  // muting, and the floor of the ramp
constexpr std::string_view kUnmuted = YUNURI_TR("Panel", "ゆぬり～  音声MUTEが解除されました｡");
constexpr std::string_view kLoudest = YUNURI_TR("Panel", "ゆぬり～  室内の音声が最大になりました｡");

constexpr Byte kMaxLevel = 100;
constexpr float kMeterWidth = 15;
constexpr float kMeterHeight = 77;
constexpr double kMeterHeightExact = kMeterHeight;
constexpr Rgb kBarColour{255, 128, 0};
constexpr Rgb kMutedBarColour{192, 192, 192};

// Worked out in double and rounded once to the control's single precision, so that the top edge is the
// nearest single to 77 - 0.77 x level (in single precision throughout, level 99 would land at 0.770004).
void drawBar(Form1& f, Rgb colour) {
  const auto top = static_cast<float>(kMeterHeightExact - kMeterHeightExact / 100 * f.state.VolumeLevel);
  f.METDrawing.LineBoxFilled(0, kMeterHeight, kMeterWidth, top, colour);
}

// The number is printed with a leading blank where a sign would go, like the platform's Print of a number.
void printLevel(Form1& f, float x) {
  MeterCanvas& c = f.METDrawing;
  c.CurrentX = x;
  c.CurrentY = kMeterHeight / 2 - 8;
  c.Print(std::to_string(f.state.VolumeLevel).insert(0, 1, ' '));
  c.CurrentX = 6;
  c.CurrentY = kMeterHeight / 2;
  c.Print("%");
  f.MeterChanged();
}

}  // namespace

void SWv_MouseDown(Form1& f, int Index) {
  PanelState& s = f.state;
  const bool wasMuted = s.MuteOn == 1;
  switch (Index) {
    case kUp:
      s.VolumeDirection = 1;
      f.Light(ArrayId::SWv, kUp);
      f.SetCaption(wasMuted ? kMuted : kLouder);
      break;
    case kDown:
      s.VolumeDirection = 2;
      f.Light(ArrayId::SWv, kDown);
      f.SetCaption(wasMuted ? kMuted : kSofter);
      break;
    case kMute:
      s.MuteOn = wasMuted ? 0 : 1;
      if (wasMuted) {
        f.Clear(ArrayId::SWv, kMute);
        f.SetCaption(kUnmuted);
      } else {
        f.Light(ArrayId::SWv, kMute);
        f.SetCaption(kSilenced);
      }
      // The meter shows the sound state at once; waiting for a tick that finds the button still held would
      // leave it the wrong colour after a quick click.
      MeterRepaint(f);
      break;
    default:
      return;
  }
  s.VolumeHeld = 1;
}

void SWv_MouseUp(Form1& f, int /*Index*/, Release /*how*/) {
  f.state.VolumeDirection = 0;
  f.Clear(ArrayId::SWv, kUp);
  f.Clear(ArrayId::SWv, kDown);
  f.state.VolumeHeld = 0;
}

void VolumeTick(Form1& f) {
  PanelState& s = f.state;
  if (s.VolumeHeld != 1) return;
  if (s.VolumeDirection == 1) {
    if (s.VolumeLevel < kMaxLevel) {
      s.VolumeLevel = byteAdd(s.VolumeLevel, 1);
    } else {
      f.Clear(ArrayId::SWv, kUp);
      if (s.MuteOn == 0) f.SetCaption(kLoudest);
    }
  } else if (s.VolumeDirection == 2) {
    if (s.VolumeLevel > 0) {
      s.VolumeLevel = byteAdd(s.VolumeLevel, -1);
    } else {
      f.Clear(ArrayId::SWv, kDown);
      if (s.MuteOn == 0) f.SetCaption(kSilenced);
    }
  }
  MeterRepaint(f);
}

void MeterRepaint(Form1& f) {
  f.METDrawing.Cls();
  drawBar(f, f.state.MuteOn == 0 ? kBarColour : kMutedBarColour);
  const Byte level = f.state.VolumeLevel;
  printLevel(f, level < 10 ? 3.0F : (level < kMaxLevel ? 0.0F : -3.0F));
}

void MeterFirstDrawing(Form1& f) {
  drawBar(f, kBarColour);
  printLevel(f, 0);
}

}  // namespace yunuri
