// libFuzzer target for the pattern bank and kit readers. The first byte picks
// what the rest is: a whole bank text, a whole kit text, or one value spliced
// into an otherwise valid bank (reaching every check of the bank reader).
// Whatever a reader accepts must write back and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/bank_format.h"
#include "files/kit_format.h"
#include "platform/base/numbers.h"

namespace {

const std::string& ValidBankText() {
  static const std::string text = [] {
    bank::BankValues v;
    for (auto& c : v.colors) c = {255, 255};
    for (int p = 1; p <= 50; ++p) v.hit(p, 0, 0) = 1;
    return bank::WriteBank(v);
  }();
  return text;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckBank(std::string_view text) {
  bank::BankValues v, again;
  std::string why;
  if (!bank::ReadBank(text, v, why)) {
    Check(!why.empty());
    return;
  }
  Check(fw::ToInteger(fw::Val(v.tempo)) >= 1);
  for (const auto& c : v.colors) Check(c[0] >= 0 && c[0] <= 255 && c[1] >= 0 && c[1] <= 255);
  // Any step value and any length code load; a velocity becomes a volume.
  for (int p = 1; p <= bank::kPatterns; ++p)
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s) Check(v.velocity(p, r, s) >= 0 && v.velocity(p, r, s) <= 100);
  // The texts are kept as they stand; one holding "*" cannot travel, so the
  // round trip is checked only where the format can carry the values.
  if (v.tempo.find('*') == std::string::npos && v.mode.find('*') == std::string::npos &&
      v.swing.find('*') == std::string::npos) {
    Check(bank::ReadBank(bank::WriteBank(v), again, why));
    Check(again == v);
  }
}

void CheckKit(std::string_view text) {
  kit::RowNames names, again;
  std::string why;
  if (!kit::ReadKitFile(text, names, why)) {
    Check(!why.empty());
    return;
  }
  Check(kit::ReadKitFile(kit::WriteKitFile(names), again, why));
  Check(again == names);
  for (const auto& n : names) (void)kit::KitNameFromFileName(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 3) {
    case 0:
      CheckBank(rest);
      break;
    case 1:
      CheckKit(rest);
      break;
    default: {
      if (rest.size() < 2) return 0;
      const int index =
          (static_cast<uint8_t>(rest[0]) << 8 | static_cast<uint8_t>(rest[1])) % bank::kValueCount;
      static const std::vector<size_t> starts = [] {
        std::vector<size_t> at{0};
        const std::string& t = ValidBankText();
        for (size_t i = 0; i < t.size(); ++i)
          if (t[i] == '*') at.push_back(i + 1);
        return at;
      }();
      const std::string& valid = ValidBankText();
      std::string text = valid.substr(0, starts[index]);
      text += rest.substr(2);
      text += valid.substr(starts[index + 1] - 1);
      CheckBank(text);
    }
  }
  return 0;
}
