// Pattern bank text: writer and validating reader.
#include "files/bank_format.h"

#include <algorithm>
#include <cstdint>

#include "platform/base/numbers.h"

namespace bank {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

enum class Whole { kYes, kNot, kOutOfRange };

// A whole decimal number (optional "-", digits) within the Integer range,
// blanks around it allowed: a hand-edited file may hold line ends.
Whole ParseWhole(std::string_view piece, int& value) {
  std::string_view s = Trim(piece);
  bool negative = false;
  if (!s.empty() && s.front() == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  if (s.empty()) return Whole::kNot;
  const int64_t limit = negative ? -int64_t{INT32_MIN} : INT32_MAX;
  int64_t v = 0;
  bool beyond = false;  // read on: a letter further on still makes it no number
  for (char c : s) {
    if (c < '0' || c > '9') return Whole::kNot;
    if (!beyond) v = v * 10 + (c - '0');
    beyond = beyond || v > limit;
  }
  if (beyond) return Whole::kOutOfRange;
  value = static_cast<int>(negative ? -v : v);
  return Whole::kYes;
}

// What is wrong with a piece that did not read as a whole number.
std::string WhatIsWrong(Whole w) {
  return w == Whole::kOutOfRange ? "is a whole number beyond -2147483648 to 2147483647"
                                 : "is not a whole number";
}

// Longer than any label shows: such a text only slows every repaint down.
constexpr size_t kLongestText = 64;

// Shows a piece of a file in a message: short, one line. A cut never falls
// inside a character: UTF-8 continuation bytes go with the character they end.
std::string Quote(std::string_view piece) {
  size_t keep = std::min<size_t>(piece.size(), 20);
  while (keep > 0 && keep < piece.size() &&
         (static_cast<unsigned char>(piece[keep]) & 0xC0) == 0x80)
    --keep;
  std::string q;
  for (char c : piece.substr(0, keep)) q += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
  if (keep < piece.size()) q += "...";
  return "\"" + q + "\"";
}

std::string CellName(int pattern, int row, int step) {
  return "pattern " + fw::Str(pattern) + ", row " + fw::Str(row) + ", step " + fw::Str(step);
}

}  // namespace

std::string WriteBank(const BankValues& values) {
  std::string out;
  out.reserve(static_cast<size_t>(kValueCount) * 3 + values.tempo.size() + values.mode.size());
  auto put = [&out](std::string_view v) {
    out += v;
    out += '*';
  };
  put(values.tempo);
  put(values.mode);
  put(values.swing);
  for (const auto& c : values.colors) {
    put(fw::Str(c[0]));
    put(fw::Str(c[1]));
  }
  for (int v : values.cells) put(fw::Str(v));
  return out;
}

bool ReadBank(std::string_view text, BankValues& out, std::string& why) {
  std::vector<std::string_view> pieces;
  pieces.reserve(kValueCount);
  size_t start = 0;
  while (pieces.size() < static_cast<size_t>(kValueCount)) {
    size_t star = text.find('*', start);
    if (star == std::string_view::npos) {
      // The last value may stand without its "*"; blanks alone are no value.
      if (!Trim(text.substr(start)).empty()) pieces.push_back(text.substr(start));
      break;
    }
    pieces.push_back(text.substr(start, star - start));
    start = star + 1;
  }
  if (pieces.size() < static_cast<size_t>(kValueCount)) {
    why = "it holds " + fw::Str(static_cast<long long>(pieces.size())) +
          " values, and a pattern bank has " + fw::Str(kValueCount) + ".";
    return false;
  }

  BankValues v;
  // The tempo and swing texts are read as numbers wherever they are used, and
  // that reading skips no line break: they are kept without the blanks around
  // them, so a hand-edited "\n120" plays at 120, as shown.
  v.tempo = std::string(Trim(pieces[0]));
  v.mode = std::string(pieces[1]);
  v.swing = std::string(Trim(pieces[2]));
  const struct {
    const char* what;
    const std::string& text;
  } texts[] = {{"tempo", v.tempo}, {"interval mode", v.mode}, {"swing level", v.swing}};
  for (const auto& t : texts) {
    if (t.text.size() > kLongestText) {
      why = std::string("its ") + t.what + " " + Quote(t.text) + " is longer than " +
            fw::Str(static_cast<int>(kLongestText)) + " bytes.";
      return false;
    }
  }
  int number = 0;
  Whole read = ParseWhole(pieces[0], number);
  if (read != Whole::kYes || number < 1) {
    why = "its tempo " + Quote(pieces[0]) + " " +
          (read == Whole::kOutOfRange ? WhatIsWrong(read) : "is not a whole number of 1 or more") +
          ".";
    return false;
  }
  // A swing level beyond the arrows' 0..8 keeps the previous swing factors and
  // draws no gaps; it needs only to be a number.
  if (read = ParseWhole(pieces[2], number); read != Whole::kYes) {
    why = "its swing level " + Quote(pieces[2]) + " " + WhatIsWrong(read) + ".";
    return false;
  }
  size_t pos = 3;
  for (int row = 1; row <= 10; ++row) {
    for (int k = 0; k < 2; ++k, ++pos) {
      if (ParseWhole(pieces[pos], number) != Whole::kYes || number < 0 || number > 255) {
        why = "the pan colour of row " + fw::Str(row) + " holds " + Quote(pieces[pos]) +
              ", which is not a whole number from 0 to 255.";
        return false;
      }
      v.colors[row - 1][k] = number;
    }
  }
  for (int p = 1; p <= kPatterns; ++p) {
    for (int r = 0; r < kRows; ++r) {
      for (int s = 0; s < kSteps; ++s) {
        int hit = 0, vel = 0;
        if (read = ParseWhole(pieces[pos], hit); read != Whole::kYes) {
          why = CellName(p, r, s) + " holds " + Quote(pieces[pos]) + ", which " +
                WhatIsWrong(read) + ".";
          return false;
        }
        if (read = ParseWhole(pieces[pos + 1], vel); read != Whole::kYes) {
          why = "the velocity of " + CellName(p, r, s) + " is " + Quote(pieces[pos + 1]) +
                ", which " + WhatIsWrong(read) + ".";
          return false;
        }
        if (r >= 1 && r <= 10 && s >= 1 && s <= 32) {
          // Any step value other than 1 is a silent step; only the velocity
          // needs a sane range, since it becomes a playing volume.
          if (vel < 0 || vel > 100) {
            why = "the velocity of " + CellName(p, r, s) + " is " + fw::Str(vel) +
                  ", which is not 0 to 100.";
            return false;
          }
        }
        v.hit(p, r, s) = hit;
        v.velocity(p, r, s) = vel;
        pos += 2;
      }
    }
  }
  out = std::move(v);
  return true;
}

}  // namespace bank
