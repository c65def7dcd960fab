// The kit file: the ten row names, each followed by "*".
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace kit {

using RowNames = std::array<std::string, 10>;  // rows 1..10 at index row - 1

// "name*" for each row, nothing else.
std::string WriteKitFile(const RowNames& names);

// The first ten fields of the text split at "*", taken as they stand; text
// after the tenth "*" is ignored and the last "*" may be missing. False, with
// a reason, when there are fewer than ten fields; `names` is then unchanged.
bool ReadKitFile(std::string_view text, RowNames& names, std::string& why);

// The kit name a kit file's name gives: the text before its first "." when
// the name ends in ".trk", else the whole name.
std::string KitNameFromFileName(std::string_view fileName);

}  // namespace kit
