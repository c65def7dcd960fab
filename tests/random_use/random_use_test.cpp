// Random real input while the program plays, for a set time: clicks and right
// clicks on every control of every open window, keys, knob drags, dialogs
// answered or cancelled, timers that run program code, and each life of the
// program ended by closing its window or quitting while it plays. Everything
// arrives from timers inside the program's own event loop, as the window
// system's input would, so that every path by which the loop delivers work
// is exercised (run it under the thread sanitizer to check the playback
// thread against all of them).
//
// TAKTORA_RANDOM_USE_SECONDS sets the time (20 s under the thread sanitizer,
// 5 s otherwise), TAKTORA_RANDOM_USE_SEED the seed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/startup.h"
#include "engine/window1.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/thread.h"
#include "platform/sound/audio_output.h"
#include "platform/ui/testing.h"

namespace {

namespace fs = std::filesystem;
using fw::testing::Button;

double EnvNumber(const char* name, double fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atof(v) : fallback;
}

#if defined(__SANITIZE_THREAD__)
constexpr double kDefaultSeconds = 20;
#else
constexpr double kDefaultSeconds = 5;
#endif

// Counts every event the main thread delivers, input and timers alike.
struct DeliveryCounter : QObject {
  long events = 0;
  bool eventFilter(QObject*, QEvent*) override {
    ++events;
    return false;
  }
};

class RandomUser {
 public:
  RandomUser(unsigned seed, fs::path scratch) : rng_(seed), scratch_(std::move(scratch)) {
    const fs::path kit = fw::ApplicationFolder()->Path() / "TKTRKits" / "Default Kit";
    opens_ = {"",
              (kit / "Default Kit.trk").string(),
              (kit / "Kick.wav").string(),
              (kit / "Snare.wav").string(),
              (fw::ApplicationFolder()->Path() / "Patterns" / "My Pattern").string(),
              (scratch_ / "bank").string(),
              (scratch_ / "picture.png").string(),
              (scratch_ / "missing").string(),
              scratch_.string()};
    fw::testing::SetURLOpener([](const std::string&) {});  // the About window's link
    fw::testing::SetDialogAnswerer([this](fw::testing::DialogKind kind, const std::string&) {
      ++counts_["dialog"];
      if (Chance(0.25)) return std::string();  // cancelled
      switch (kind) {
        case fw::testing::DialogKind::Open:
          return opens_[Pick(opens_.size())];
        case fw::testing::DialogKind::SaveAs:
          return (scratch_ / (Chance(0.5) ? "bank" : "picture.png")).string();
        case fw::testing::DialogKind::SelectFolder:
          return scratch_.string();
      }
      return std::string();
    });
  }
  ~RandomUser() {
    fw::testing::ClearDialogAnswerer();
    fw::testing::SetURLOpener(nullptr);
  }

  // One life: start-up, random input until `until` (or a random number of
  // inputs), then an end while playing.
  int Live(double until) {
    std::unique_ptr<App> app = startup::MakeApplication();
    startup::MakeDefaultView();
    left_ = 30 + static_cast<int>(Pick(300));
    until_ = until;
    Next();
    const int code = startup::RunEventLoop(*app);
    startup::Finalize();
    ++counts_["life"];
    return code;
  }

  int withoutBaton = 0;
  const std::map<std::string, int>& Counts() const { return counts_; }

 private:
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

  void Next() {
    QTimer::singleShot(static_cast<int>(Pick(4)), [this] {
      if (!fw::Baton::HeldByThisThread()) ++withoutBaton;
      Window1* w = static_cast<Window1*>(fw::GetImplicitWindow("Window1"));
      if (!w) {  // closed by an earlier input: the loop is ending already
        fw::Quit(0);
        return;
      }
      if (--left_ <= 0 || fw::Microseconds() > until_) {
        End(*w);
      } else {
        Act(*w);
        Next();
      }
    });
  }

  void End(Window1& w) {
    if (!w.playon) fw::testing::TypeKey(w, " ");
    switch (Pick(3)) {
      case 0:
        ++counts_["close box"];
        fw::testing::ClickCloseBox(w);
        break;
      case 1:
        ++counts_["quit item"];
        App::Instance().ChooseMenuItem("FileQuit");
        break;
      default:
        ++counts_["quit shortcut"];
        fw::testing::TypeShortcut(w, "Ctrl+Q");
        break;
    }
  }

  void Act(Window1& w) {
    // Playing most of the time: the point is the playback thread against
    // everything else.
    if (!w.playon && Chance(0.7)) fw::testing::TypeKey(w, " ");
    if (fw::testing::Messages().size() > 100) fw::testing::ClearMessages();
    const size_t what = Pick(10);
    if (what < 6) {
      ClickSomewhere(what == 0 ? Button::Right : Button::Left);
    } else if (what < 8) {
      static const char* const kKeys[] = {" ", ".", ",", "c", "v", "\b"};
      ++counts_["key"];
      fw::testing::TypeKey(w, kKeys[Pick(6)]);
    } else if (what == 8) {
      ++counts_["knob drag"];
      const fw::Control& knob = w.Canvas11();
      int x = knob.Left() + knob.Width() / 2, y = knob.Top() + knob.Height() / 2;
      fw::testing::Press(w, x, y);
      for (size_t i = Pick(8); i > 0; --i)
        fw::testing::Drag(w, x += static_cast<int>(Pick(41)) - 20,
                          y += static_cast<int>(Pick(41)) - 20);
      fw::testing::Release(w, x, y);
    } else {
      // Program code in a timer of its own, outside any input: a redraw, or
      // the About window (which a click closes again).
      ++counts_["timer"];
      QTimer::singleShot(static_cast<int>(Pick(3)), [this, about = Chance(0.2)] {
        if (!fw::Baton::HeldByThisThread()) ++withoutBaton;
        auto* w1 = static_cast<Window1*>(fw::GetImplicitWindow("Window1"));
        if (!w1) return;
        if (about)
          App::Instance().ChooseMenuItem("FileAboutTaktora");
        else
          w1->PatternDraw();
      });
    }
  }

  // A click at a random point of a random control (every name equally
  // likely, so the 320 step cells do not crowd out the rest) of a random
  // window: the main window, the About window, the kit replace question.
  void ClickSomewhere(Button b) {
    std::vector<fw::Window*> windows = fw::OpenWindows();
    fw::Window* win = windows[Pick(windows.size())];
    if (!win->Visible() || win->ControlCount() == 0) return;
    std::map<std::string, std::vector<fw::Control*>> byName;
    for (int i = 0; i < win->ControlCount(); ++i)
      byName[win->ControlAt(i).Name()].push_back(&win->ControlAt(i));
    auto it = std::next(byName.begin(), static_cast<long>(Pick(byName.size())));
    const fw::Control& c = *it->second[Pick(it->second.size())];
    if (c.Width() <= 0 || c.Height() <= 0) return;
    ++counts_[b == Button::Right ? "right click" : "click"];
    fw::testing::Click(*win, c.Left() + static_cast<int>(Pick(static_cast<size_t>(c.Width()))),
                       c.Top() + static_cast<int>(Pick(static_cast<size_t>(c.Height()))), b);
  }

  std::mt19937 rng_;
  fs::path scratch_;
  std::vector<std::string> opens_;
  std::map<std::string, int> counts_;
  int left_ = 0;
  double until_ = 0;
};

TEST(RandomUse, PlaysThroughRandomInputAndEndsWhilePlaying) {
  const double seconds = EnvNumber("TAKTORA_RANDOM_USE_SECONDS", kDefaultSeconds);
  const auto seed = static_cast<unsigned>(EnvNumber("TAKTORA_RANDOM_USE_SEED", 1));
  const fs::path scratch =
      fs::temp_directory_path() / ("taktora-random-use-" + std::to_string(seed));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  startup::StartAudio();
  RandomUser user(seed, scratch);
  DeliveryCounter delivered;
  qApp->installEventFilter(&delivered);
  const double start = fw::Microseconds();
  const double until = start + seconds * 1e6;
  while (fw::Microseconds() < until) EXPECT_EQ(user.Live(until), 0);
  qApp->removeEventFilter(&delivered);
  fw::AudioOutput::Stop();
  std::printf("random use: seed %u, %.1f s, %ld events delivered\n", seed,
              (fw::Microseconds() - start) / 1e6, delivered.events);
  for (const auto& [what, n] : user.Counts()) std::printf("  %s: %d\n", what.c_str(), n);
  EXPECT_EQ(user.withoutBaton, 0) << "inputs delivered without the baton";
  EXPECT_TRUE(fw::OpenWindows().empty());
  fs::remove_all(scratch);
}

}  // namespace
