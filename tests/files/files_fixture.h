// The whole program started once for this test program, from an application
// folder that holds a small default kit (one of its sounds missing) and a
// default bank; and a fixture that brings the document back to a start
// without default files before each test.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/window1.h"
#include "platform/testing.h"

namespace filestest {

namespace fs = std::filesystem;

// Writes a short 16-bit mono WAV file.
void WriteWav(const fs::path& path, int frames = 200);
void WriteText(const fs::path& path, const std::string& text);
std::string ReadText(const fs::path& path);
// File names in a folder, sorted.
std::vector<std::string> Listing(const fs::path& folder);

// What happened at start-up.
const std::vector<std::string>& StartupMessages();
const fs::path& StartupFolder();

class FilesTest : public ::testing::Test {
 protected:
  Window1& w = Window1::Instance();
  fs::path dir;  // a fresh, empty folder for this test

  void SetUp() override;
  void TearDown() override;

  // The next dialogs answer in turn with these paths ("" = cancel); with none
  // left they cancel. Each dialog's kind and suggestion are kept.
  void Answer(std::vector<std::string> paths);
  struct Asked {
    fw::testing::DialogKind kind;
    std::string suggested;
  };
  std::vector<Asked> asked;
  const std::vector<std::string>& Messages() const { return fw::testing::Messages(); }

  // Gives every row a sound object of its own (so a pan set on one row can be
  // told from the others).
  void OwnSounds();

 private:
  std::vector<std::string> answers_;
};

}  // namespace filestest
