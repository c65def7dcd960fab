// Input delivered to a real window: routing by position, the MouseDown
// contract, contextual clicks, buttons.
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

// A window that logs every event it and its controls receive.
class LogWindow : public fw::Window {
 public:
  std::vector<std::string> log;
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
    Track(New<fw::Canvas>("A"), 10, 10, 40, 40);
    Track(New<fw::Canvas>("B"), 30, 30, 40, 40);  // overlaps A, created later
    Place(New<fw::BevelButton>("Bevel"), 200, 140, 40, 18);
    Place(New<fw::PushButton>("Push"), 245, 140, 50, 20);
    OnPlain(Get<fw::BevelButton>("Bevel"), "Action", "action");
    OnPlain(Get<fw::PushButton>("Push"), "Action", "action");
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
  void Place(fw::Control& c, int x, int y, int w, int h) {
    c.SetLeft(x);
    c.SetTop(y);
    c.SetWidth(w);
    c.SetHeight(h);
  }
  void Track(fw::Control& c, int x, int y, int w, int h) {
    Place(c, x, y, w, h);
    auto at = [](int x, int y) { return std::to_string(x) + "," + std::to_string(y); };
    c.InstallEventHandler("MouseDown",
                          fw::MouseDownHandler([this, at](fw::Control& me, int x, int y) {
                            if (throwing) throw std::out_of_range("press");
                            log.push_back("down " + me.Name() + " " + at(x, y) +
                                          (fw::IsContextualClick() ? " contextual" : ""));
                            return downResult;
                          }));
    c.InstallEventHandler("MouseDrag", fw::MouseHandler([this, at](fw::Control& me, int x, int y) {
                            log.push_back("drag " + me.Name() + " " + at(x, y));
                          }));
    c.InstallEventHandler("MouseUp", fw::MouseHandler([this, at](fw::Control& me, int x, int y) {
                            log.push_back("up " + me.Name() + " " + at(x, y));
                          }));
  }
  // Logs "<what> <name>".
  void OnPlain(fw::Control& c, const char* event, const std::string& what) {
    c.InstallEventHandler(event, fw::PlainHandler([this, what](fw::Control& me) {
                            log.push_back(what + " " + me.Name());
                          }));
  }
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    w = new LogWindow;
    w->Construct();
    fw::testing::ProcessEvents();
    fw::testing::MoveMouse(*w, 290, 190);  // start on the bare window
    w->log.clear();
  }
  void TearDown() override {
    delete w;
    fw::testing::ProcessEvents();
  }
  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : w->log)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }
  LogWindow* w = nullptr;
};

TEST_F(InputTest, ClicksAreRoutedByPositionAndRightOrCtrlClicksAreContextual) {
  fw::testing::Click(*w, 15, 15);    // only A
  fw::testing::Click(*w, 35, 35);    // A and B overlap: B was created later
  fw::testing::Click(*w, 100, 150);  // no control: the window
  fw::testing::Click(*w, 15, 15, Button::Right);
  fw::testing::Click(*w, 15, 15, Button::Left, /*ctrl=*/true);
  using V = std::vector<std::string>;
  EXPECT_EQ(Only("down"),
            (V{"down A 5,5", "down B 5,5", "down A 5,5 contextual", "down A 5,5 contextual"}));
  EXPECT_FALSE(fw::IsContextualClick());  // only while the press is handled
  EXPECT_EQ(Only("window"), (V{"window down 100,150"}));
  EXPECT_EQ(std::pair(w->MouseX(), w->MouseY()), std::pair(15, 15));
}

TEST_F(InputTest, MouseDownTrueSendsDragAndUpToTheSameControlFalseNeither) {
  fw::testing::Press(*w, 15, 15);
  fw::testing::Drag(*w, 35, 35);  // over B now, still A's press
  fw::testing::Drag(*w, 120, 5);  // outside every control
  fw::testing::Release(*w, 120, 5);
  using V = std::vector<std::string>;
  EXPECT_EQ(Only("drag"), (V{"drag A 25,25", "drag A 110,-5"}));
  EXPECT_EQ(Only("up"), (V{"up A 110,-5"}));

  w->log.clear();
  w->downResult = false;
  fw::testing::Press(*w, 15, 15);
  fw::testing::Drag(*w, 20, 20);
  fw::testing::Release(*w, 20, 20);
  EXPECT_EQ(Only("d"), (V{"down A 5,5"}));  // no drag
  EXPECT_TRUE(Only("up").empty());
  EXPECT_TRUE(Only("window").empty());  // the control took the press
}

TEST_F(InputTest, ButtonsActOnAClickReleasedInside) {
  fw::testing::Click(*w, 210, 145);
  fw::testing::Click(*w, 260, 150);
  fw::testing::Press(*w, 210, 145);  // released outside: no action
  fw::testing::Release(*w, 120, 180);
  fw::testing::Click(*w, 210, 145, Button::Right);  // not a click of the button
  w->Get<fw::BevelButton>("Bevel").SetEnabled(false);
  fw::testing::Click(*w, 210, 145);  // a disabled button: the window gets it
  using V = std::vector<std::string>;
  EXPECT_EQ(Only("action"), (V{"action Bevel", "action Push"}));
  EXPECT_EQ(Only("window"), (V{"window down 210,145", "window down 210,145"}));
}

TEST_F(InputTest, AnErrorEscapingAHandlerIsReportedAndInputGoesOn) {
  fw::testing::SetDialogAnswerer([](fw::testing::DialogKind, const std::string&) { return ""; });
  fw::testing::ClearMessages();
  w->throwing = true;
  fw::testing::Click(*w, 15, 15);
  fw::testing::TypeKey(*w, "a");
  w->throwing = false;
  fw::testing::Click(*w, 15, 15);
  fw::testing::TypeKey(*w, "b");
  using V = std::vector<std::string>;
  EXPECT_EQ(Only("down"), (V{"down A 5,5"}));
  EXPECT_EQ(Only("key"), (V{"key [b]"}));
  const V& said = fw::testing::Messages();
  ASSERT_EQ(said.size(), 2u);
  EXPECT_NE(said[0].find("handling the MouseDown of A: press"), std::string::npos) << said[0];
  EXPECT_NE(said[1].find("handling a typed key: key"), std::string::npos) << said[1];
  fw::testing::ClearDialogAnswerer();
  fw::testing::ClearMessages();
}

}  // namespace
