#include "tools/bank_writer.h"

namespace tools {

PatternBank::PatternBank() {
  for (auto& p : pan) p = {255, 255};
  for (int p = 1; p <= kPatterns; ++p) hit[p][0][0] = 1;
}

std::string EncodeBank(const PatternBank& bank) {
  std::string out;
  out.reserve(80000);
  auto put = [&out](const std::string& v) {
    out += v;
    out += '*';
  };
  put(bank.tempo);
  put(bank.mode);
  put(bank.swing);
  for (int row = 1; row <= PatternBank::kRows; ++row) {
    put(std::to_string(bank.pan[row][0]));
    put(std::to_string(bank.pan[row][1]));
  }
  for (int p = 1; p <= PatternBank::kPatterns; ++p) {
    for (int r = 0; r <= PatternBank::kRows; ++r) {
      for (int s = 0; s <= PatternBank::kSteps; ++s) {
        put(std::to_string(bank.hit[p][r][s]));
        put(std::to_string(bank.sv[p][r][s]));
      }
    }
  }
  return out;
}

}  // namespace tools
