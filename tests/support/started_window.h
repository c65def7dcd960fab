// The program started once per test program, like the real one but from an
// empty application folder: no default kit or bank, every row "Empty". The
// fixture brings the document back to that start before each test.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/window1.h"
#include "platform/ui/testing.h"

Window1& StartedWindow();

class StartedTest : public ::testing::Test {
 protected:
  Window1& w = StartedWindow();

  void SetUp() override;
  void TearDown() override;
  // A press in the middle of the control, as the mouse gives it.
  void ClickOn(const fw::Control& c, bool contextual = false);
  void Type(const std::string& key) { fw::testing::TypeKey(w, key); }

 private:
  fw::SoundRef sound_[11];
  fw::FolderItemRef item_[11];
};
