#include "tools/default_patterns.h"

#include <array>

namespace tools {
namespace {

// Rows of the default kit (row 1 is the bottom row of the grid).
enum Row {
  kKick = 1,
  kSnare,
  kClosedHat,
  kOpenHat,
  kClap,
  kLowTom,
  kHighTom,
  kRim,
  kCowbell,
  kCrash
};

// A pattern written one text per row, one character per step: 'X' accent
// (velocity 100), 'x' normal (50), 'g' ghost (10), '.' rest; '|' marks beats
// and is skipped.
struct Groove {
  int lengthCode;  // 1..4: 32, 28, 24 or 20 steps
  std::array<const char*, 11> rows;
};

constexpr const char* _ = nullptr;

// clang-format off
const Groove kGrooves[] = {
    // 1: rock beat
    {1, {_, "X...|....|X.x.|....|X...|....|X.x.|....",
            "....|X...|....|X...|....|X...|....|X...",
            "X.x.|X.x.|X.x.|X.x.|X.x.|X.x.|X.x.|X.x.",
            _, _, _, _, _, _,
            "X...|....|....|....|....|....|....|...."}},
    // 2: the rock beat with ghost notes and a fill into the next bar
    {1, {_, "X...|....|X.x.|..x.|X...|....|X...|....",
            "....|X..g|....|X...|....|X..g|XxX.|....",
            "X.x.|X.x.|X.x.|X.x.|X.x.|X.x.|....|....",
            _, _,
            "....|....|....|....|....|....|....|.x.X",
            "....|....|....|....|....|....|...x|X.x.",
            _, _,
            "X...|....|....|....|....|....|....|...."}},
    // 3: four on the floor with open hats on the off-beats
    {1, {_, "X...|X...|X...|X...|X...|X...|X...|X...",
            _,
            "x..g|x..g|x..g|x..g|x..g|x..g|x..g|x..g",
            "..X.|..X.|..X.|..X.|..X.|..X.|..X.|..X.",
            "....|X...|....|X...|....|X...|....|X...",
            _, _, _,
            "....|....|....|..g.|....|....|....|..x.",
            "X...|....|....|....|....|....|....|...."}},
    // 4: shuffle, the triplet feel written into the notes
    {1, {_, "X...|....|X..x|....|X...|....|X..x|....",
            "....|X..g|....|X..g|....|X..g|....|X..x",
            "X..x|X..x|X..x|X..x|X..x|X..x|X..x|X..x",
            _, _, _, _, _, _, _}},
    // 5: half-time groove
    {1, {_, "X...|...x|....|..x.|X...|..x.|....|....",
            "....|....|X...|....|....|....|X...|..g.",
            "X.x.|x.x.|X.x.|x.x.|X.x.|x.x.|X.x.|x...",
            "....|....|....|....|....|....|....|..X.",
            _, _, _,
            "....|..g.|....|g...|....|..g.|....|g...",
            _, _}},
    // 6: two bars of three beats with cowbell and toms (24 steps)
    {3, {_, "X...|....|..x.|X...|....|..x.",
            _,
            "x.x.|x.x.|x.x.|x.x.|x.x.|x.x.",
            _, _,
            "....|....|....|....|....|..xX",
            "....|....|....|....|...x|x...",
            "....|X...|X...|....|X...|X...",
            "X...|..x.|x...|X...|..x.|x...",
            _}},
    // 7: five beats, three plus two (20 steps)
    {4, {_, "X...|....|..x.|X...|....",
            "....|....|X...|....|X..g",
            "X.x.|x.x.|X.x.|X.x.|x.x.",
            _, _, _, _, _, _, _}},
};
// clang-format on

int StepsOf(int lengthCode) { return 32 - 4 * (lengthCode - 1); }

bool Write(bank::BankValues& values, int pattern, const Groove& g, std::string& error) {
  values.hit(pattern, 0, 0) = g.lengthCode;
  for (int row = 1; row <= 10; ++row) {
    const char* text = g.rows[row];
    if (!text) continue;
    int step = 0;
    for (const char* c = text; *c; ++c) {
      if (*c == '|') continue;
      ++step;
      if (step > StepsOf(g.lengthCode)) break;
      const int velocity = *c == 'X' ? 100 : *c == 'x' ? 50 : *c == 'g' ? 10 : 0;
      if (velocity == 0 && *c != '.') {
        error = "pattern " + std::to_string(pattern) + ": unknown step mark";
        return false;
      }
      values.hit(pattern, row, step) = velocity ? 1 : 0;
      values.velocity(pattern, row, step) = velocity;
    }
    if (step != StepsOf(g.lengthCode)) {
      error = "pattern " + std::to_string(pattern) + " row " + std::to_string(row) + ": " +
              std::to_string(step) + " steps for a length of " +
              std::to_string(StepsOf(g.lengthCode));
      return false;
    }
  }
  return true;
}

}  // namespace

bool FillDefaultPatterns(bank::BankValues& values, std::string& error) {
  for (auto& c : values.colors) c = {255, 255};
  for (int p = 1; p <= bank::kPatterns; ++p) values.hit(p, 0, 0) = 1;
  int pattern = 1;
  for (const Groove& g : kGrooves) {
    if (!Write(values, pattern++, g, error)) return false;
  }
  // Spread the kit a little: hats and high tom to the left, low tom and crash
  // to the right, the cowbell hard right, the rim shot hard left.
  values.colors[kClosedHat - 1] = {150, 255};
  values.colors[kOpenHat - 1] = {150, 255};
  values.colors[kLowTom - 1] = {255, 150};
  values.colors[kHighTom - 1] = {150, 255};
  values.colors[kRim - 1] = {0, 255};
  values.colors[kCowbell - 1] = {255, 0};
  values.colors[kCrash - 1] = {255, 150};
  return true;
}

}  // namespace tools
