// 24-bit colours, &hRRGGBB.
#pragma once
#include <cstdint>

namespace fw {

using Color = uint32_t;  // 0x00RRGGBB

// Components are clamped to 0..255.
constexpr Color RGB(int r, int g, int b) {
  auto c = [](int v) { return static_cast<Color>(v < 0 ? 0 : (v > 255 ? 255 : v)); };
  return (c(r) << 16) | (c(g) << 8) | c(b);
}
constexpr int RedOf(Color c) { return (c >> 16) & 0xFF; }
constexpr int GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Color c) { return c & 0xFF; }

}  // namespace fw
