// Numbers and text: the one set of conversions every part of the program uses.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Decimal text of an integer, no padding: Str(-5) == "-5".
std::string Str(long long value);

// Text to number: skips leading blanks, then reads the longest leading decimal
// number (optional sign, digits, optional fraction, optional exponent).
// Anything else, or no number at all, gives 0. "12abc" -> 12, "abc" -> 0,
// " 7.5" -> 7.5. Never throws; "nan" and "inf" texts read as 0.
double Val(std::string_view text);

// The one Double-to-Integer conversion: rounds half away from zero
// (127.5 -> 128, -2.5 -> -3), saturates at the 32-bit Integer range and maps
// NaN to 0. Used for every Double that becomes an Integer.
int32_t ToInteger(double value);

// The one string equality: letter case is ignored for ASCII letters only,
// so "c" equals "C", "Empty" equals "EMPTY"; every other byte compares exactly.
bool TextEquals(std::string_view a, std::string_view b);

// One-character string of a character code (0..255 as one byte; above that,
// UTF-8). Chr(8) is the backspace character.
std::string Chr(int code);

// First / last n bytes of s (n clamped to 0..size).
std::string Left(std::string_view s, long long n);
std::string Right(std::string_view s, long long n);

// The n-th field (1-based) of s split at sep; "" when there is no such field.
std::string NthField(std::string_view s, std::string_view sep, long long n);

// s split at every sep. Split("a*b*", "*") == {"a", "b", ""}.
std::vector<std::string> Split(std::string_view s, std::string_view sep);

// Uniform integers from one generator object.
class Random {
 public:
  Random();  // seeded from the system's entropy
  explicit Random(uint64_t seed);
  int InRange(int lo, int hi);  // lo..hi inclusive

 private:
  uint64_t state_[4];
};

}  // namespace fw
