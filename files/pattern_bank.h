// Moving the pattern bank between the window and bank files.
#pragma once
#include "files/bank_format.h"
#include "platform/base/files.h"

class Window1;

namespace files {

// The window's bank as file values.
bank::BankValues CollectBank(const Window1& w);

// Puts file values into the window: the three texts, the pan colours with
// their lamps, and every cell. Draws nothing.
void ApplyBank(Window1& w, const bank::BankValues& values);

// Reads a bank file into the window and names the bank after the file. A file
// that cannot be read or is not a usable bank is refused with one message and
// nothing changes; returns whether the bank was taken.
bool LoadBankFile(Window1& w, const fw::FolderItem& file);

// What follows every bank load, also a cancelled one: interval spacing, pans,
// swing, a cleared display showing pattern 1 with its length, step intervals.
void PatternBankRefresh(Window1& w);

}  // namespace files
