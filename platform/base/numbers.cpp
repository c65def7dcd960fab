// Number and text conversions shared by the whole program.
#include "platform/base/numbers.h"

#include <locale.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

namespace fw {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// strtod in the "C" locale, whatever locale the GUI runtime switched to.
double ParseCLocale(const std::string& number) {
  static locale_t c_locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return strtod_l(number.c_str(), nullptr, c_locale);
}

uint64_t SplitMix64(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

std::string Str(long long value) { return std::to_string(value); }

double Val(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  const size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    size_t j = i + 1;
    size_t fraction = 0;
    while (j < n && IsDigit(text[j])) ++j, ++fraction;
    if (digits + fraction > 0) {
      i = j;
      digits += fraction;
    }
  }
  if (digits == 0) return 0.0;
  // An exponent counts only when it has at least one digit: "2e" reads as 2.
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  double v = ParseCLocale(std::string(text.substr(start, i - start)));
  // A number too large for a Double reads as the largest Double of its sign.
  if (std::isinf(v)) v = v > 0 ? DBL_MAX : -DBL_MAX;
  if (std::isnan(v)) v = 0.0;
  return v;
}

int32_t ToInteger(double value) {
  if (std::isnan(value)) return 0;
  const double r = std::round(value);  // halves go away from zero
  if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

bool TextEquals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string Chr(int code) {
  if (code < 0 || code > 0x10FFFF) return "";
  if (code <= 0xFF) return std::string(1, static_cast<char>(code));
  std::string out;
  auto byte = [&out](unsigned v) { out.push_back(static_cast<char>(v)); };
  const unsigned c = static_cast<unsigned>(code);
  if (c < 0x800) {
    byte(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    byte(0xE0 | (c >> 12));
    byte(0x80 | ((c >> 6) & 0x3F));
  } else {
    byte(0xF0 | (c >> 18));
    byte(0x80 | ((c >> 12) & 0x3F));
    byte(0x80 | ((c >> 6) & 0x3F));
  }
  byte(0x80 | (c & 0x3F));
  return out;
}

std::string Left(std::string_view s, long long n) {
  if (n <= 0) return "";
  return std::string(
      s.substr(0, static_cast<size_t>(n) < s.size() ? static_cast<size_t>(n) : s.size()));
}

std::string Right(std::string_view s, long long n) {
  if (n <= 0) return "";
  if (static_cast<unsigned long long>(n) >= s.size()) return std::string(s);
  return std::string(s.substr(s.size() - static_cast<size_t>(n)));
}

std::string NthField(std::string_view s, std::string_view sep, long long n) {
  if (n < 1) return "";
  if (sep.empty()) return n == 1 ? std::string(s) : "";
  size_t begin = 0;
  for (long long field = 1;; ++field) {
    const size_t end = s.find(sep, begin);
    if (field == n)
      return std::string(s.substr(begin, end == std::string_view::npos ? end : end - begin));
    if (end == std::string_view::npos) return "";
    begin = end + sep.size();
  }
}

std::vector<std::string> Split(std::string_view s, std::string_view sep) {
  std::vector<std::string> out;
  if (sep.empty()) {
    out.emplace_back(s);
    return out;
  }
  size_t begin = 0;
  for (;;) {
    const size_t end = s.find(sep, begin);
    if (end == std::string_view::npos) {
      out.emplace_back(s.substr(begin));
      return out;
    }
    out.emplace_back(s.substr(begin, end - begin));
    begin = end + sep.size();
  }
}

Random::Random() {
  std::random_device device;
  uint64_t seed = (static_cast<uint64_t>(device()) << 32) ^ device();
  for (auto& word : state_) word = SplitMix64(seed);
}

Random::Random(uint64_t seed) {
  for (auto& word : state_) word = SplitMix64(seed);
}

int Random::InRange(int lo, int hi) {
  if (hi < lo) std::swap(lo, hi);
  const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;  // 1 .. 2^32
  // Reject the top partial block of the 64-bit range so every value is equally likely.
  const uint64_t limit = UINT64_MAX - (UINT64_MAX % span + 1) % span;
  uint64_t x;
  do {
    // xoshiro256**
    x = Rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
  } while (x > limit);
  return static_cast<int>(static_cast<int64_t>(lo) + static_cast<int64_t>(x % span));
}

}  // namespace fw
