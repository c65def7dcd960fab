// Pixel helpers for the step-line display tests.
#pragma once
#include <string>

#include "platform/ui/picture.h"

namespace gridtest {

// The x positions in [x0, x1] of row y whose colour is c, as "a..b,c..d" runs.
inline std::string Runs(const fw::Picture& p, int y, fw::Color c, int x0 = 0, int x1 = 511) {
  std::string out;
  int start = -1;
  for (int x = x0; x <= x1 + 1; ++x) {
    const bool in = x <= x1 && p.Pixel(x, y) == c;
    if (in && start < 0) start = x;
    if (!in && start >= 0) {
      if (!out.empty()) out += ",";
      out += std::to_string(start) + ".." + std::to_string(x - 1);
      start = -1;
    }
  }
  return out;
}

inline void Fill(fw::Picture& p, fw::Color c) {
  p.Graphics().ForeColor = c;
  p.Graphics().FillRect(0, 0, p.Width(), p.Height());
}

}  // namespace gridtest
