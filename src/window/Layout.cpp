#include "window/Layout.h"

#include <array>

namespace yunuri {
namespace {

constexpr int kButtonW = 33;  // every popup and remote button
constexpr int kButtonH = 21;

constexpr Rect btn(int left, int top) {
  return {left, top, kButtonW, kButtonH};
}

constexpr std::array<Rect, 3> kSWu = {{{157, 5, 77, 19}, {248, 5, 77, 19}, {339, 3, 49, 49}}};
constexpr std::array<Rect, 3> kSWv = {{{349, 219, 33, 21}, {349, 248, 33, 21}, {349, 276, 33, 21}}};
constexpr std::array<Rect, 2> kSWs = {{{306, 90, 39, 39}, {306, 144, 39, 39}}};
constexpr std::array<Rect, 2> kMES = {{{346, 116, 50, 15}, {346, 170, 50, 15}}};

constexpr std::array<Rect, 5> kSWp1 = {{btn(10, 64), btn(49, 64), btn(10, 101), btn(49, 101), btn(30, 185)}};
constexpr std::array<Rect, 10> kSWp2 = {{btn(10, 56), btn(49, 56), btn(11, 82), btn(50, 82), btn(11, 108),
                                         btn(50, 108), btn(11, 133), btn(50, 133), btn(11, 159),
                                         btn(29, 193)}};
constexpr std::array<Rect, 2> kSWp3 = {{btn(29, 134), btn(29, 172)}};

constexpr std::array<Rect, 16> kSWr1 = {{btn(9, 26), btn(49, 26), btn(9, 49), btn(49, 49), btn(9, 72),
                                         btn(49, 72), btn(9, 95), btn(49, 95), btn(9, 118), btn(49, 118),
                                         btn(10, 141), btn(49, 141), btn(9, 164), btn(49, 164), btn(9, 187),
                                         btn(49, 187)}};
constexpr std::array<Rect, 5> kSWr2 = {{btn(9, 38), btn(49, 38), btn(9, 61), btn(49, 61), btn(9, 84)}};
constexpr std::array<Rect, 14> kSWr3 = {{btn(9, 38), btn(49, 38), btn(9, 61), btn(49, 61), btn(9, 84),
                                         btn(49, 84), btn(9, 107), btn(49, 107), btn(9, 130), btn(49, 130),
                                         btn(9, 153), btn(49, 153), btn(9, 176), btn(49, 176)}};
constexpr std::array<Rect, 8> kSWr4 = {{btn(29, 50), btn(6, 73), btn(51, 73), btn(29, 94), btn(10, 127),
                                        btn(50, 127), btn(10, 155), btn(50, 154)}};

// Popups are parked at minus their height above the window; remote panels at minus their width left of it.
constexpr std::array<BoxLayout, kBoxCount> kBoxes = {{
    {BoxId::MET, 15, 77, 328, 219, 328, 219, BasePicture::Meter},
    {BoxId::POP0, 91, 210, 109, -210, 109, 26, BasePicture::Pop0},
    {BoxId::POP1, 91, 218, 204, -218, 204, 26, BasePicture::Pop1},
    {BoxId::POP2, 91, 198, 300, -198, 300, 53, BasePicture::Pop2},
    {BoxId::Sousa0, 91, 212, -91, 85, 4, 85, BasePicture::Sousa0},
    {BoxId::Sousa1, 91, 212, -91, 85, 4, 85, BasePicture::Sousa1},
    {BoxId::Sousa2, 91, 212, -91, 85, 4, 85, BasePicture::Sousa2},
    {BoxId::Sousa3, 91, 212, -91, 85, 4, 85, BasePicture::Sousa3},
    {BoxId::Sousa4, 91, 212, -91, 85, 4, 85, BasePicture::Sousa4},
    {BoxId::Sousa5, 91, 212, -91, 85, 4, 85, BasePicture::Sousa5},
    {BoxId::KABE, 400, 300, 0, 0, 0, 0, BasePicture::Notice},
}};

constexpr std::array<ArrayLayout, kArrayCount> kArrays = {{
    {ArrayId::SWm, Container::Window, BoxId::MET, kSourceButtons, true},
    {ArrayId::SWu, Container::Window, BoxId::MET, kSWu, true},
    {ArrayId::SWv, Container::Window, BoxId::MET, kSWv, true},
    {ArrayId::SWs, Container::Window, BoxId::MET, kSWs, true},
    {ArrayId::MES, Container::Window, BoxId::MET, kMES, false},
    {ArrayId::SWp1, Container::Box, BoxId::POP0, kSWp1, true},
    {ArrayId::SWp2, Container::Box, BoxId::POP1, kSWp2, true},
    {ArrayId::SWp3, Container::Box, BoxId::POP2, kSWp3, true},
    {ArrayId::SWr1, Container::Box, BoxId::Sousa2, kSWr1, true},
    {ArrayId::SWr2, Container::Box, BoxId::Sousa3, kSWr2, true},
    {ArrayId::SWr3, Container::Box, BoxId::Sousa4, kSWr3, true},
    {ArrayId::SWr4, Container::Box, BoxId::Sousa5, kSWr4, true},
}};

template <std::size_t N>
constexpr bool sized(const std::array<Rect, N>& /*elements*/, ArrayId id) {
  return N == static_cast<std::size_t>(arraySize(id));
}
static_assert(sized(kSourceButtons, ArrayId::SWm) && sized(kSWu, ArrayId::SWu) && sized(kSWv, ArrayId::SWv) &&
              sized(kSWs, ArrayId::SWs) && sized(kMES, ArrayId::MES) && sized(kSWp1, ArrayId::SWp1) &&
              sized(kSWp2, ArrayId::SWp2) && sized(kSWp3, ArrayId::SWp3) && sized(kSWr1, ArrayId::SWr1) &&
              sized(kSWr2, ArrayId::SWr2) && sized(kSWr3, ArrayId::SWr3) && sized(kSWr4, ArrayId::SWr4));
// Both tables are looked up by their enumeration.
static_assert([] {
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    if (static_cast<std::size_t>(kBoxes[i].id) != i) return false;
  }
  for (std::size_t i = 0; i < kArrays.size(); ++i) {
    if (static_cast<std::size_t>(kArrays[i].id) != i) return false;
  }
  return true;
}());

constexpr int kSourcePillWidth = 77;
constexpr int kSourcePillHeight = 19;

}  // namespace

const BoxLayout& boxLayout(BoxId id) {
  return kBoxes[static_cast<int>(id)];
}

const ArrayLayout& arrayLayout(ArrayId id) {
  return kArrays[static_cast<int>(id)];
}

Size litSize(ArrayId id, int index) {
  if (id == ArrayId::SWm) return {kSourcePillWidth, kSourcePillHeight};
  const Rect& r = arrayLayout(id).elements[static_cast<std::size_t>(index)];
  return {r.width, r.height};
}

Rect paintedRect(ArrayId id, int index) {
  const Rect& r = arrayLayout(id).elements[static_cast<std::size_t>(index)];
  const Size s = litSize(id, index);
  return {r.left, r.top, s.width, s.height};
}

}  // namespace yunuri
