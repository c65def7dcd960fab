// Input delivered to a real window where the program's own windows leave it
// unchecked: overlapping controls, Ctrl-clicks, a button press taken back, and
// errors escaping a handler.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/events.h"
#include "platform/ui/testing.h"
#include "platform/ui/window.h"

namespace {

using fw::testing::Button;
using V = std::vector<std::string>;

// A window that logs every event it and its controls receive.
class LogWindow : public fw::Window {
 public:
  V log;
  bool throwing = false;  // handlers fail as a program fault would

  void Layout() override {
    fw::PropertyValue size;
    size.integer = 300;
    SetProperty("Width", size);
    size.integer = 200;
    SetProperty("Height", size);
  }
  void CreateControls() override {
    // B overlaps A and is created later.
    for (auto [name, at] : {std::pair{"A", 10}, {"B", 30}}) {
      auto& c = Place(New<fw::Canvas>(name), at, at, 40, 40);
      c.InstallEventHandler(
          "MouseDown", fw::MouseDownHandler([this](fw::Control& me, int x, int y) {
            if (throwing) throw std::out_of_range("press");
            log.push_back("down " + me.Name() + " " + std::to_string(x) + "," + std::to_string(y) +
                          (fw::IsContextualClick() ? " contextual" : ""));
            return true;
          }));
    }
    Place(New<fw::BevelButton>("Bevel"), 200, 140, 40, 18)
        .InstallEventHandler("Action", fw::PlainHandler([this](fw::Control& me) {
                               log.push_back("action " + me.Name());
                             }));
  }
  bool Event_KeyDown(const std::string& key) override {
    if (throwing) throw std::out_of_range("key");
    log.push_back("key [" + key + "]");
    return false;
  }

 private:
  fw::Control& Place(fw::Control& c, int x, int y, int w, int h) {
    c.SetLeft(x);
    c.SetTop(y);
    c.SetWidth(w);
    c.SetHeight(h);
    return c;
  }
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.Construct();
    fw::testing::ProcessEvents();
    fw::testing::MoveMouse(w, 290, 190);  // start on the bare window
  }
  void TearDown() override { fw::testing::ProcessEvents(); }
  LogWindow w;
};

TEST_F(InputTest, TheControlCreatedLaterTakesAnOverlapAndCtrlClicksAreContextual) {
  fw::testing::Click(w, 15, 15);  // only A
  fw::testing::Click(w, 35, 35);  // A and B overlap
  fw::testing::Click(w, 15, 15, Button::Left, /*ctrl=*/true);
  EXPECT_EQ(w.log, (V{"down A 5,5", "down B 5,5", "down A 5,5 contextual"}));
}

TEST_F(InputTest, AButtonActsOnlyOnAPlainClickReleasedInside) {
  fw::testing::Press(w, 210, 145);
  fw::testing::Release(w, 120, 180);
  fw::testing::Click(w, 210, 145, Button::Right);
  EXPECT_TRUE(w.log.empty());
  fw::testing::Click(w, 210, 145);
  EXPECT_EQ(w.log, (V{"action Bevel"}));
}

TEST_F(InputTest, AnErrorEscapingAHandlerIsReportedAndInputGoesOn) {
  fw::testing::SetDialogAnswerer([](fw::testing::DialogKind, const std::string&) { return ""; });
  fw::testing::ClearMessages();
  w.throwing = true;
  fw::testing::Click(w, 15, 15);
  fw::testing::TypeKey(w, "a");
  w.throwing = false;
  fw::testing::Click(w, 15, 15);
  fw::testing::TypeKey(w, "b");
  EXPECT_EQ(w.log, (V{"down A 5,5", "key [b]"}));
  const V& said = fw::testing::Messages();
  ASSERT_EQ(said.size(), 2u);
  EXPECT_NE(said[0].find("handling the MouseDown of A: press"), std::string::npos) << said[0];
  EXPECT_NE(said[1].find("handling a typed key: key"), std::string::npos) << said[1];
  fw::testing::ClearDialogAnswerer();
  fw::testing::ClearMessages();
}

}  // namespace
