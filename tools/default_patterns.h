// The default pattern bank "My Pattern".
#pragma once
#include <string>

#include "files/bank_format.h"

namespace tools {

// Fills `values` with the start state (every row centred, every pattern empty
// and 32 steps long), the demo patterns and the row pans. Returns false (with
// the reason in `error`) if a pattern's notation does not fit its length.
bool FillDefaultPatterns(bank::BankValues& values, std::string& error);

}  // namespace tools
