// The pattern bank file: every value of the bank as text, each followed by
// "*". Writing and reading work on a plain set of values so that the format
// can be checked apart from the window.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bank {

constexpr int kPatterns = 50;
constexpr int kRows = 11;   // row 0 (meter cell and spares) and rows 1..10
constexpr int kSteps = 33;  // step 0 (spare) and steps 1..32
constexpr int kCellValues = kPatterns * kRows * kSteps * 2;  // 36,300
constexpr int kHeaderValues = 3 + 20;
constexpr int kValueCount = kHeaderValues + kCellValues;  // 36,323

// Everything a bank file holds.
struct BankValues {
  std::string tempo = "120";
  std::string mode = "Octaves";
  std::string swing = "0";
  // Pan colour of rows 1..10 at index row - 1: {red, green}.
  std::array<std::array<int, 2>, 10> colors{};
  // On/off value and velocity of every cell in file order: pattern 1..50,
  // row 0..10, step 0..32, each as the pair (hit, velocity).
  std::vector<int> cells = std::vector<int>(kCellValues, 0);

  int& hit(int pattern, int row, int step) { return cells[CellOffset(pattern, row, step)]; }
  int& velocity(int pattern, int row, int step) {
    return cells[CellOffset(pattern, row, step) + 1];
  }
  int hit(int pattern, int row, int step) const { return cells[CellOffset(pattern, row, step)]; }
  int velocity(int pattern, int row, int step) const {
    return cells[CellOffset(pattern, row, step) + 1];
  }
  bool operator==(const BankValues&) const = default;

  static constexpr int CellOffset(int pattern, int row, int step) {
    return 2 * (((pattern - 1) * kRows + row) * kSteps + step);
  }
};

// Position in the file (counted from 0) of the on/off value of a cell; its
// velocity follows at the next position.
constexpr int ValueIndexOfCell(int pattern, int row, int step) {
  return kHeaderValues + BankValues::CellOffset(pattern, row, step);
}

// The file text: 36,323 values, each followed by "*".
std::string WriteBank(const BankValues& values);

// Reads a bank text. The final "*" may be missing; text after the last value
// is ignored. The tempo and swing texts are taken without blanks around them;
// the interval-mode text as it stands. Returns false and says why (one
// sentence) when the text is not a bank this program can use: too few values,
// a tempo, interval-mode or swing text longer than 64 bytes, a number that is
// not a whole decimal number within the Integer range, a tempo below 1, a pan
// colour component outside 0..255, or a velocity outside 0..100 in a step of
// rows 1..10. A swing level outside 0..8, an on/off value other than 0 or 1
// and a length code outside 1..4 are taken as they stand (a pattern with such
// a code keeps the length shown before it). On failure `out` is left as it
// was.
bool ReadBank(std::string_view text, BankValues& out, std::string& why);

}  // namespace bank
