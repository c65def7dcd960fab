// Random real input while the program plays, delivered by timers in its own
// event loop as the window system would, each life ended while it plays;
// under the thread sanitizer this checks the playback thread against every
// path by which the loop delivers work. TAKTORA_RANDOM_USE_SECONDS sets the
// time (20 s under the thread sanitizer, 5 s otherwise), _SEED the seed.
#include <gtest/gtest.h>

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/startup.h"
#include "engine/window1.h"
#include "files/bank_format.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/base/thread.h"
#include "platform/sound/audio_output.h"
#include "platform/ui/testing.h"

namespace {

namespace fs = std::filesystem;
namespace t = fw::testing;

double EnvNumber(const char* name, double fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atof(v) : fallback;
}

#if defined(__SANITIZE_THREAD__)
constexpr double kDefaultSeconds = 20;
#else
constexpr double kDefaultSeconds = 5;
#endif

class RandomUser {
 public:
  RandomUser(unsigned seed, const fs::path& scratch) : rng_(seed) {
    const fs::path app = fw::ApplicationFolder()->Path(), kit = app / "TKTRKits" / "Default Kit";
    WriteOddLengths(app / "Patterns" / "My Pattern", scratch / "odd lengths");
    for (const fs::path& p :
         {kit / "Default Kit.trk", kit / "Kick.wav", kit / "Snare.wav",
          app / "Patterns" / "My Pattern", scratch / "odd lengths", scratch / "bank",
          scratch / "picture.png", scratch / "missing", scratch})
      opens_.push_back(p.string());
    t::SetURLOpener([](const std::string&) {});  // the About window's link
    t::SetDialogAnswerer([this, scratch](t::DialogKind kind, const std::string&) {
      if (Chance(0.25)) return std::string();  // cancelled
      if (kind == t::DialogKind::Open) return opens_[Pick(opens_.size())];
      if (kind == t::DialogKind::SaveAs)
        return (scratch / (Chance(0.5) ? "bank" : "picture.png")).string();
      return scratch.string();
    });
  }
  ~RandomUser() {
    t::ClearDialogAnswerer();
    t::SetURLOpener(nullptr);
  }

  // One life: start-up, random input until `until` (or a random number of
  // inputs), then an end while playing.
  int Live(double until) {
    auto app = startup::MakeApplication();
    startup::MakeDefaultView();
    left_ = 30 + static_cast<int>(Pick(300));
    until_ = until;
    Next();
    const int code = startup::RunEventLoop(*app);
    startup::Finalize();
    return code;
  }

  int withoutBaton = 0;

 private:
  // The default bank with length codes no button gives in its first patterns.
  static void WriteOddLengths(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    std::vector<std::string> values = fw::Split(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), "*");
    const char* codes[] = {"0", "5", "-3", "2147483647", "-2147483648"};
    for (int p = 0; p < 5; ++p)
      if (const auto at = static_cast<size_t>(bank::ValueIndexOfCell(p + 1, 0, 0));
          at < values.size())
        values[at] = codes[p];
    std::ofstream out(to, std::ios::binary);
    for (size_t i = 0; i + 1 < values.size(); ++i) out << values[i] << '*';
  }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }
  int Pick(int from, int to) { return from + static_cast<int>(Pick(size_t(to - from + 1))); }

  // Runs `f` on the main window from a timer; once the window is gone the
  // loop is ending already.
  template <typename F>
  void Later(int ms, F f) {
    QTimer::singleShot(ms, [this, f] {
      if (!fw::Baton::HeldByThisThread()) ++withoutBaton;
      if (auto* w = static_cast<Window1*>(fw::GetImplicitWindow("Window1")))
        f(*w);
      else
        fw::Quit(0);
    });
  }

  void Next() {
    Later(Pick(0, 3), [this](Window1& w) {
      if (--left_ > 0 && fw::Microseconds() < until_) return Act(w), Next();
      if (!w.playon) t::TypeKey(w, " ");
      const int end = Pick(0, 2);  // the close box, the Quit item or its shortcut
      if (end == 0) t::ClickCloseBox(w);
      if (end == 1) App::Instance().ChooseMenuItem("FileQuit");
      if (end == 2) t::TypeShortcut(w, "Ctrl+Q");
    });
  }

  void Act(Window1& w) {
    // Playing most of the time: the point is the playback thread against
    // everything else.
    if (!w.playon && Chance(0.7)) t::TypeKey(w, " ");
    if (t::Messages().size() > 100) t::ClearMessages();
    const int what = Pick(0, 9);
    if (what < 6) {
      Click(what == 0 ? t::Button::Right : t::Button::Left);
    } else if (what < 8) {
      t::TypeKey(w, std::vector{" ", ".", ",", "c", "v", "\b"}[Pick(6)]);
    } else if (what == 8) {
      const fw::Control& knob = w.Canvas11();
      int x = knob.Left() + knob.Width() / 2, y = knob.Top() + knob.Height() / 2;
      t::Press(w, x, y);
      for (int i = Pick(0, 7); i > 0; --i) t::Drag(w, x += Pick(-20, 20), y += Pick(-20, 20));
      t::Release(w, x, y);
    } else {
      // Program code in a timer of its own, outside any input: a redraw, or
      // the About window (which a click closes again).
      Later(Pick(0, 2), [about = Chance(0.2)](Window1& w1) {
        if (about) App::Instance().ChooseMenuItem("FileAboutTaktora");
        if (!about) w1.PatternDraw();
      });
    }
  }

  // A click at a random point of a random control (every name equally
  // likely, so the 320 step cells do not crowd out the rest) of a random
  // window: the main window, the About window, the kit replace question.
  void Click(t::Button b) {
    std::vector<fw::Window*> windows = fw::OpenWindows();
    fw::Window* win = windows[Pick(windows.size())];
    if (!win->Visible()) return;
    std::map<std::string, std::vector<fw::Control*>> byName;
    for (int i = 0; i < win->ControlCount(); ++i)
      byName[win->ControlAt(i).Name()].push_back(&win->ControlAt(i));
    if (byName.empty()) return;
    const auto& named = std::next(byName.begin(), static_cast<long>(Pick(byName.size())))->second;
    const fw::Control& c = *named[Pick(named.size())];
    if (c.Width() <= 0 || c.Height() <= 0) return;
    t::Click(*win, c.Left() + Pick(0, c.Width() - 1), c.Top() + Pick(0, c.Height() - 1), b);
  }

  std::mt19937 rng_;
  std::vector<std::string> opens_{""};  // "" = a cancelled dialog
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
  const double start = fw::Microseconds(), until = start + seconds * 1e6;
  int lives = 0;
  for (; fw::Microseconds() < until; ++lives) EXPECT_EQ(user.Live(until), 0);
  fw::AudioOutput::Stop();
  std::printf("random use: seed %u, %.1f s, %d lives\n", seed, (fw::Microseconds() - start) / 1e6,
              lives);
  EXPECT_EQ(user.withoutBaton, 0) << "inputs delivered without the baton";
  EXPECT_TRUE(fw::OpenWindows().empty());
  fs::remove_all(scratch);
}

}  // namespace
