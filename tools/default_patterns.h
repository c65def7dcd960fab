// The demo patterns of the default pattern bank "My Pattern".
#pragma once
#include <string>

#include "tools/bank_writer.h"

namespace tools {

// Fills `bank` with the demo patterns and row pans. Returns false (with the
// reason in `error`) if a pattern's notation does not fit its length.
bool FillDefaultPatterns(PatternBank& bank, std::string& error);

}  // namespace tools
