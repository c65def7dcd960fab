// The whole program started once, from the build's folder with its default
// files; and a fixture that brings the document back to a start without them.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/window1.h"
#include "files/bank_format.h"
#include "platform/ui/testing.h"

namespace filestest {

namespace fs = std::filesystem;

void WriteWav(const fs::path& path, int frames = 200);  // 16-bit mono
void WriteText(const fs::path& path, const std::string& text);
std::string ReadText(const fs::path& path);
std::vector<std::string> Listing(const fs::path& folder);  // sorted file names

// The bank of a program that has just started without a default bank.
bank::BankValues StartupBank();
// Random steps, velocities, lengths, pans, tempo and swing, same for a seed.
bank::BankValues RandomBank(uint32_t seed);
// A bank text with the value at `index` replaced.
std::string WithValue(std::string text, int index, const std::string& value);

class FilesTest : public ::testing::Test {
 protected:
  Window1& w = Window1::Instance();
  fs::path dir;                    // a fresh, empty folder for this test
  std::vector<std::string> asked;  // what each dialog suggested

  void SetUp() override;
  void TearDown() override;
  // The next dialog answers with this path ("" = cancel), later ones cancel.
  void Answer(const std::string& path);
  // A press of the kit load button, answered with this kit file.
  void LoadKit(const fs::path& kitFile);
  const std::vector<std::string>& Messages() const { return fw::testing::Messages(); }
  // Whether exactly one message was shown since the last call, beginning with
  // `start` and holding `part`; forgets the messages.
  ::testing::AssertionResult OneMessage(const std::string& start, const std::string& part = "");
  // Expects a row without sound: named "Empty" in `colour`, playing the blank.
  void ExpectEmpty(int row, fw::Color colour = 0x63393D);

 private:
  std::string answer_;
};

}  // namespace filestest
