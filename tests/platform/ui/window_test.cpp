// A refresh asked for by another thread (the playback thread, holding the
// baton) is painted on the main thread.
#include "platform/ui/window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/base/thread.h"
#include "platform/ui/controls.h"
#include "platform/ui/testing.h"

namespace {

class OneCanvas : public fw::Window {
 public:
  void CreateControls() override { New<fw::Canvas>("c"); }
};

TEST(WindowRefresh, FromAnotherThreadPaintsOnTheMainThread) {
  auto* w = new OneCanvas;
  w->Construct();
  auto& c = w->Get<fw::Canvas>("c");
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
  w->Close();
  fw::testing::ProcessEvents();
}

}  // namespace
