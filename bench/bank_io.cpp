// Pattern bank save and load of a full bank, from text and through a file.
// Prints bank_save_ms and bank_load_ms (median of 25 runs each); a save
// includes syncing the file to the disk.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "files/bank_format.h"
#include "files/text_file.h"
#include "platform/base/files.h"

namespace {

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

template <class F>
double TimeMs(F f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main() {
  // A busy bank: every pattern with many steps on.
  bank::BankValues v;
  std::mt19937 rng(1);
  for (auto& c : v.colors) c = {255, 150};
  for (int p = 1; p <= 50; ++p) {
    v.hit(p, 0, 0) = 1 + int(rng() % 4);
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s)
        if (rng() % 3 == 0) {
          v.hit(p, r, s) = 1;
          v.velocity(p, r, s) = 100;
        }
  }
  const auto dir = std::filesystem::temp_directory_path() / "taktora-bench-bank";
  std::filesystem::create_directories(dir);
  fw::FolderItem file(dir / "bank");

  std::vector<double> save, load, text;
  std::string why;
  for (int i = 0; i < 25; ++i) {
    text.push_back(TimeMs([&] {
      if (bank::WriteBank(v).empty()) std::fprintf(stderr, "empty\n");
    }));
    save.push_back(TimeMs([&] {
      if (!files::WriteTextFile(file, bank::WriteBank(v), why))
        std::fprintf(stderr, "%s\n", why.c_str());
    }));
    load.push_back(TimeMs([&] {
      std::string text;
      bank::BankValues back;
      if (!files::ReadTextFile(file, files::kMaxBankBytes, text, why) ||
          !bank::ReadBank(text, back, why))
        std::fprintf(stderr, "%s\n", why.c_str());
    }));
  }
  std::filesystem::remove_all(dir);
  std::printf("bank_save_ms: %.3f\n", Median(save));
  std::printf("bank_load_ms: %.3f\n", Median(load));
  std::printf("bank_text_ms: %.3f\n", Median(text));  // the text alone, without the disk
  std::printf("bank_bytes: %zu\n", bank::WriteBank(v).size());
  return 0;
}
