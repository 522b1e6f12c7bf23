#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace yunuri {

// The image control arrays of the window. Each button has a lit picture, its twin (Form1::Twin); MES is the
// pair of screen labels, each showing the label of a source (Form1::MESd).
enum class ArrayId : std::uint8_t { SWm, SWu, SWv, SWs, MES, SWp1, SWp2, SWp3, SWr1, SWr2, SWr3, SWr4 };
inline constexpr int kArrayCount = static_cast<int>(ArrayId::SWr4) + 1;

// How many elements each array has. The layout, the controls, the catalogue and the handlers' tables are
// checked against these at compile time.
inline constexpr std::array<int, kArrayCount> kArraySizes = {12, 3, 3, 2, 2, 5, 10, 2, 16, 5, 14, 8};
constexpr int arraySize(ArrayId id) {
  return kArraySizes[static_cast<std::size_t>(id)];
}
inline constexpr int kSourceCount = arraySize(ArrayId::SWm);

// The window keeps every element in one table, array after array in ArrayId order: where each array starts.
inline constexpr std::array<int, kArrayCount + 1> kArrayStarts = [] {
  std::array<int, kArrayCount + 1> starts{};
  for (std::size_t a = 0; a < kArraySizes.size(); ++a) starts[a + 1] = starts[a] + kArraySizes[a];
  return starts;
}();
inline constexpr int kElementCount = kArrayStarts.back();

// The picture boxes. Their z-order, top first: KABE, Sousa(5)..Sousa(0), POP(2)..POP(0), MET.
enum class BoxId : std::uint8_t {
  MET,
  POP0,
  POP1,
  POP2,
  Sousa0,
  Sousa1,
  Sousa2,
  Sousa3,
  Sousa4,
  Sousa5,
  KABE
};
inline constexpr int kBoxCount = static_cast<int>(BoxId::KABE) + 1;
// POP(k) and Sousa(i) by their index.
inline constexpr std::array<BoxId, 3> kPopBoxes = {BoxId::POP0, BoxId::POP1, BoxId::POP2};
inline constexpr std::array<BoxId, 6> kSousaBoxes = {BoxId::Sousa0, BoxId::Sousa1, BoxId::Sousa2,
                                                     BoxId::Sousa3, BoxId::Sousa4, BoxId::Sousa5};

// The numbered base pictures: the window background, the notice, the six remote cards, the three popups and
// the empty meter.
enum class BasePicture : std::uint8_t {
  MainPanel = 1,
  Notice = 2,
  Sousa0 = 3,
  Sousa1,
  Sousa2,
  Sousa3,
  Sousa4,
  Sousa5,
  Pop0,
  Pop1,
  Pop2,
  Meter = 12,
};

// What an image element or picture box shows: nothing, a base picture, the lit twin of a button, one of the
// twelve screen labels (MESd), or a button dimmed because the equipment behind it does not answer.
struct Picture {
  enum class Kind : std::uint8_t { None, Base, Lit, Label, Unlinked };
  Kind kind = Kind::None;
  ArrayId array = ArrayId::SWm;  // for Lit
  std::uint8_t index = 0;        // BasePicture number, button index, or label index

  static constexpr Picture none() { return {}; }
  static constexpr Picture base(BasePicture b) {
    return {Kind::Base, ArrayId::SWm, static_cast<std::uint8_t>(b)};
  }
  static constexpr Picture lit(ArrayId a, int i) { return {Kind::Lit, a, static_cast<std::uint8_t>(i)}; }
  static constexpr Picture label(int i) { return {Kind::Label, ArrayId::MES, static_cast<std::uint8_t>(i)}; }
  static constexpr Picture unlinked(ArrayId a, int i) {
    return {Kind::Unlinked, a, static_cast<std::uint8_t>(i)};
  }

  constexpr bool isNone() const { return kind == Kind::None; }
  friend constexpr bool operator==(const Picture&, const Picture&) = default;
};

}  // namespace yunuri
