// Writes the default pattern bank "My Pattern": tempo 120, interval mode
// "Octaves", swing 0 and a handful of demo patterns; the other patterns empty.
#include <cstdio>
#include <fstream>

#include "tools/default_patterns.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s BANK_FILE\n", argv[0]);
    return 2;
  }
  bank::BankValues values;
  std::string error;
  if (!tools::FillDefaultPatterns(values, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::ofstream f(argv[1], std::ios::binary | std::ios::trunc);
  f << bank::WriteBank(values);
  if (!f) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
