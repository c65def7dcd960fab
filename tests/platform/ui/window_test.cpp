// Windows as the program sees them: construction order, implicit instances,
// closing, painting, refreshes from another thread.
#include "platform/ui/window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/thread.h"
#include "platform/ui/controls.h"
#include "platform/ui/picture.h"
#include "platform/ui/testing.h"

namespace {

using Type = fw::PropertyValue::Type;
using V = std::vector<std::string>;

fw::PropertyValue Prop(Type type, uint32_t v) {
  fw::PropertyValue p;
  p.type = type;
  p.integer = static_cast<int32_t>(v);
  p.boolean = v != 0;
  p.color = v;
  return p;
}

fw::PictureRef Solid(int w, int h, fw::Color c) {
  auto pic = fw::NewPicture(w, h, 32);
  pic->Graphics().ForeColor = c;
  pic->Graphics().FillRect(0, 0, w, h);
  return pic;
}

V g_events;
int g_destroyed = 0;

class LifeWindow : public fw::Window {
 public:
  ~LifeWindow() override { ++g_destroyed; }
  void Layout() override {
    g_events.push_back("Layout");
    SetProperty("Width", Prop(Type::Integer, 120));
    SetProperty("Height", Prop(Type::Integer, 80));
    SetProperty("HasBackColor", Prop(Type::Boolean, 1));
    SetProperty("BackColor", Prop(Type::Color, 0x102030));
  }
  void CreateControls() override {
    g_events.push_back("CreateControls");
    for (const char* name : {"first", "second"})
      New<fw::Canvas>(name).InstallEventHandler(
          "Open", fw::PlainHandler([](fw::Control& c) { g_events.push_back("Open " + c.Name()); }));
  }
  void Event_Open() override { g_events.push_back("Event_Open"); }
  void Event_Close() override { g_events.push_back("Event_Close"); }
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events.clear();
    g_destroyed = 0;
  }
  void TearDown() override {
    for (fw::Window* w : fw::OpenWindows()) w->Close();
    fw::testing::ProcessEvents();
  }
};

TEST_F(WindowTest, OneImplicitInstanceForgottenAtCloseAndDestroyedLater) {
  auto& a = fw::ImplicitInstance<LifeWindow>("LifeWindow");
  EXPECT_EQ(&fw::ImplicitInstance<LifeWindow>("LifeWindow"), &a);
  EXPECT_EQ(g_events, (V{"Layout", "CreateControls", "Open first", "Open second", "Event_Open"}));
  EXPECT_EQ(fw::OpenWindows(), (std::vector<fw::Window*>{&a}));
  a.Close();
  EXPECT_EQ(fw::GetImplicitWindow("LifeWindow"), nullptr);
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_EQ(g_destroyed, 0);  // still alive inside the current event
  fw::testing::ProcessEvents();
  EXPECT_EQ(g_destroyed, 1);
  auto& c = fw::ImplicitInstance<LifeWindow>("LifeWindow");  // a fresh one
  EXPECT_EQ(fw::GetImplicitWindow("LifeWindow"), &c);
  // The close box raises Close once and closes the same way.
  g_events.clear();
  fw::testing::ClickCloseBox(c);
  fw::testing::ProcessEvents();
  EXPECT_EQ(g_events, (V{"Event_Close"}));
  EXPECT_EQ(g_destroyed, 2);
  EXPECT_EQ(fw::GetImplicitWindow("LifeWindow"), nullptr);
}

// The window's back colour and backdrop, canvases with and without erasing,
// a Paint handler on top of the backdrop.
TEST_F(WindowTest, ContentAndCanvasesPaintWhereTheyShould) {
  auto* w = new LifeWindow;
  w->Construct();
  w->SetBackdrop(Solid(60, 80, 0x0000FF));  // left half of the window blue
  for (const auto& [name, left] : {std::pair{"erasing", 10}, {"plain", 35}}) {
    auto& c = w->New<fw::Canvas>(name);
    c.SetLeft(left);
    c.SetTop(10);
    c.SetWidth(20);
    c.SetHeight(20);
    c.SetBackdrop(Solid(10, 10, 0xFF0000));
  }
  auto& plain = w->Get<fw::Canvas>("plain");
  plain.SetProperty("EraseBackground", Prop(Type::Boolean, 0));
  plain.InstallEventHandler("Paint", fw::PaintHandler([](fw::Control&, fw::Graphics& g) {
                              g.ForeColor = 0x00FF00;
                              g.FillRect(5, 5, 2, 2);  // over the backdrop
                            }));
  auto shot = fw::testing::Grab(*w);
  const std::pair<std::pair<int, int>, fw::Color> pixels[] = {
      {{100, 70}, 0x102030},  // back colour
      {{5, 5}, 0x0000FF},     // backdrop
      {{12, 12}, 0xFF0000},   // canvas picture at its own size
      {{25, 25}, 0x102030},   // erased to the back colour
      {{50, 25}, 0x0000FF},   // not erased: the backdrop shows
      {{40, 15}, 0x00FF00},   // Paint drew after the picture
      {{42, 17}, 0xFF0000}};
  for (const auto& [at, colour] : pixels)
    EXPECT_EQ(shot->Pixel(at.first, at.second), colour) << at.first << "," << at.second;
}

TEST_F(WindowTest, RefreshFromAnotherThreadPaintsOnTheMainThread) {
  auto* w = new LifeWindow;
  w->Construct();
  auto& c = w->Get<fw::Canvas>("first");
  c.SetWidth(10);
  c.SetHeight(10);
  std::atomic<int> paints{0};
  std::atomic<bool> offMain{false}, done{false};
  const std::thread::id main = std::this_thread::get_id();
  c.InstallEventHandler("Paint", fw::PaintHandler([&](fw::Control&, fw::Graphics&) {
                          offMain = offMain || std::this_thread::get_id() != main;
                          ++paints;
                        }));
  fw::testing::ProcessEvents(50);
  const int before = paints;
  std::thread t([&] {
    fw::BatonGuard baton;  // as the playback thread holds it
    c.Refresh(true);
    done = true;
  });
  for (int i = 0; i < 200 && (!done || paints == before); ++i) fw::testing::ProcessEvents(5);
  t.join();
  EXPECT_GT(paints.load(), before);
  EXPECT_FALSE(offMain.load());
}

}  // namespace
