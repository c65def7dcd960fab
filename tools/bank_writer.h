// The pattern bank file: every value followed by "*", no line ends. Tempo,
// interval mode and swing texts; the (red, green) pan colour of rows 1..10;
// then on/off value and velocity of every cell, pattern 1..50 (outermost),
// row 0..10, step 0..32 (innermost).
#pragma once
#include <array>
#include <string>

namespace tools {

struct PatternBank {
  static constexpr int kPatterns = 50;
  static constexpr int kRows = 10;
  static constexpr int kSteps = 32;

  std::string tempo = "120";
  std::string mode = "Octaves";
  std::string swing = "0";
  // pan[row] = {red, green}; index 0 unused. Centre is (255, 255).
  std::array<std::array<int, 2>, kRows + 1> pan{};
  // hit[p][r][s], sv[p][r][s]; hit[p][0][0] is the pattern's length code 1..4.
  std::array<std::array<std::array<int, kSteps + 1>, kRows + 1>, kPatterns + 1> hit{};
  std::array<std::array<std::array<int, kSteps + 1>, kRows + 1>, kPatterns + 1> sv{};

  // Start state: every row centred, every pattern empty and 32 steps long.
  PatternBank();
};

std::string EncodeBank(const PatternBank& bank);

}  // namespace tools
