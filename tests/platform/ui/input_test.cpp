// Input delivered to a real window: routing by position, the MouseDown
// contract, contextual clicks, buttons, errors escaping a handler.
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
  bool downResult = true;
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
      c.InstallEventHandler("MouseDown",
                            fw::MouseDownHandler([this](fw::Control& me, int x, int y) {
                              if (throwing) throw std::out_of_range("press");
                              Log("down", me, x, y, fw::IsContextualClick() ? " contextual" : "");
                              return downResult;
                            }));
      for (const char* event : {"MouseDrag", "MouseUp"})
        c.InstallEventHandler(event, fw::MouseHandler([this, event](fw::Control& me, int x, int y) {
                                Log(event, me, x, y);
                              }));
    }
    for (fw::Control* button : {&Place(New<fw::BevelButton>("Bevel"), 200, 140, 40, 18),
                                &Place(New<fw::PushButton>("Push"), 245, 140, 50, 20)})
      button->InstallEventHandler("Action", fw::PlainHandler([this](fw::Control& me) {
                                    log.push_back("action " + me.Name());
                                  }));
  }
  bool Event_MouseDown(int x, int y) override {
    log.push_back("window down " + std::to_string(x) + "," + std::to_string(y));
    return false;
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
  void Log(const std::string& what, fw::Control& c, int x, int y, const char* more = "") {
    log.push_back(what + " " + c.Name() + " " + std::to_string(x) + "," + std::to_string(y) + more);
  }
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w.Construct();
    fw::testing::ProcessEvents();
    fw::testing::MoveMouse(w, 290, 190);  // start on the bare window
    w.log.clear();
  }
  void TearDown() override { fw::testing::ProcessEvents(); }
  V Only(const std::string& prefix) const {
    V out;
    for (const auto& e : w.log)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }
  LogWindow w;
};

TEST_F(InputTest, ClicksAreRoutedByPositionAndRightOrCtrlClicksAreContextual) {
  fw::testing::Click(w, 15, 15);    // only A
  fw::testing::Click(w, 35, 35);    // A and B overlap: B was created later
  fw::testing::Click(w, 100, 150);  // no control: the window
  fw::testing::Click(w, 15, 15, Button::Right);
  fw::testing::Click(w, 15, 15, Button::Left, /*ctrl=*/true);
  EXPECT_EQ(Only("down"),
            (V{"down A 5,5", "down B 5,5", "down A 5,5 contextual", "down A 5,5 contextual"}));
  EXPECT_FALSE(fw::IsContextualClick());  // only while the press is handled
  EXPECT_EQ(Only("window"), (V{"window down 100,150"}));
  EXPECT_EQ(std::pair(w.MouseX(), w.MouseY()), std::pair(15, 15));
}

TEST_F(InputTest, MouseDownTrueSendsDragAndUpToTheSameControlFalseNeither) {
  fw::testing::Press(w, 15, 15);
  fw::testing::Drag(w, 35, 35);  // over B now, still A's press
  fw::testing::Drag(w, 120, 5);  // outside every control
  fw::testing::Release(w, 120, 5);
  EXPECT_EQ(Only("Mouse"), (V{"MouseDrag A 25,25", "MouseDrag A 110,-5", "MouseUp A 110,-5"}));
  w.log.clear();
  w.downResult = false;
  fw::testing::Press(w, 15, 15);
  fw::testing::Drag(w, 20, 20);
  fw::testing::Release(w, 20, 20);
  EXPECT_EQ(w.log, (V{"down A 5,5"}));  // the control took the press: not the window
}

TEST_F(InputTest, ButtonsActOnAClickReleasedInside) {
  fw::testing::Click(w, 210, 145);
  fw::testing::Click(w, 260, 150);
  fw::testing::Press(w, 210, 145);  // released outside: no action
  fw::testing::Release(w, 120, 180);
  fw::testing::Click(w, 210, 145, Button::Right);  // not a click of the button
  w.Get<fw::BevelButton>("Bevel").SetEnabled(false);
  fw::testing::Click(w, 210, 145);  // a disabled button: the window gets it
  EXPECT_EQ(Only("action"), (V{"action Bevel", "action Push"}));
  EXPECT_EQ(Only("window"), (V{"window down 210,145", "window down 210,145"}));
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
  EXPECT_EQ(w.log, (V{"down A 5,5", "MouseUp A 5,5", "key [b]"}));
  const V& said = fw::testing::Messages();
  ASSERT_EQ(said.size(), 2u);
  EXPECT_NE(said[0].find("handling the MouseDown of A: press"), std::string::npos) << said[0];
  EXPECT_NE(said[1].find("handling a typed key: key"), std::string::npos) << said[1];
  fw::testing::ClearDialogAnswerer();
  fw::testing::ClearMessages();
}

}  // namespace
