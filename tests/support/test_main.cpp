// Shared main of every test program: the platform runs headless.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ui/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  if (!fw::RuntimeInit(argc, argv)) return 1;
  int rc = RUN_ALL_TESTS();
  fw::RuntimeExit();
  return rc;
}
