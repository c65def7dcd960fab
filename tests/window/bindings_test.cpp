// Binding a control event to a handler by name: a name the window does not
// have, or a handler of the wrong kind, is a programming error and stops the
// program with a message that names it.
#include <gtest/gtest.h>

#include "platform/picture.h"
#include "platform/testing.h"
#include "tests/window/window_fixture.h"

namespace {

TEST(BindEventDeathTest, RefusesUnknownOrMismatchedHandlers) {
  GTEST_FLAG_SET(death_test_style, "fast");
  Window1& w = StartedWindow();
  fw::Canvas& canvas = w.Canvas1();
  EXPECT_DEATH(w.BindEvent(canvas, "MouseDown", "Canvas99_MouseDown"),
               "Canvas99_MouseDown: no such handler");
  EXPECT_DEATH(w.BindEvent(canvas, "MouseDown", "Canvas1_Paint"),
               "Canvas1_Paint: the handler does not fit");
  EXPECT_DEATH(w.BindEvent(canvas, "MouseUp", "Canvas11_MouseDown"), "does not fit");
}

TEST(BindEvent, DisplayCanvasShowsThePicture) {
  Window1& w = StartedWindow();
  // The display picture reaches the screen through the bound Paint handler.
  w.p->SetPixel(10, 20, 0x00FF00);
  w.Canvas1().Refresh(true);
  fw::testing::ProcessEvents(20);
  auto shot = fw::testing::Grab(w);
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->Pixel(w.Canvas1().Left() + 10, w.Canvas1().Top() + 20), 0x00FF00u);
  EXPECT_EQ(shot->Pixel(w.Canvas1().Left() + 11, w.Canvas1().Top() + 20), 0u);
  w.p->SetPixel(10, 20, 0);
  w.Canvas1().Refresh(true);
  fw::testing::ProcessEvents(20);
}

}  // namespace
