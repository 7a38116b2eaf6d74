#pragma once
// Colours as 0x00RRGGBB. The program's own tables are written in the Windows order
// $00BBGGRR in places; fromBgr converts those.

#include <cstdint>

namespace quorvel {

using Colour = uint32_t;

constexpr Colour rgb(int r, int g, int b) {
  return (static_cast<Colour>(r & 0xFF) << 16) | (static_cast<Colour>(g & 0xFF) << 8) |
         static_cast<Colour>(b & 0xFF);
}
constexpr int redOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int greenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
// A colour written as the Windows value $00BBGGRR.
constexpr Colour fromBgr(uint32_t bgr) {
  return rgb(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
             static_cast<int>((bgr >> 16) & 0xFF));
}

// `tenths` tenths of `colour` over `under`: a tint that leaves what lies under it visible.
constexpr Colour mixed(Colour under, Colour colour, int tenths) {
  auto mix = [tenths](int u, int c) { return u + (c - u) * tenths / 10; };
  return rgb(mix(redOf(under), redOf(colour)), mix(greenOf(under), greenOf(colour)),
             mix(blueOf(under), blueOf(colour)));
}

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);

}  // namespace quorvel
