// The whole life of the program: start-up, the event loop ended by closing
// the main window or by the Quit item, then the release sequence. Two lives
// run in one process, so each must leave nothing behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/assets.h"
#include "app/startup.h"
#include "engine/window1.h"
#include "files/file_types.h"
#include "platform/base/files.h"
#include "platform/ui/application.h"
#include "platform/ui/testing.h"
#include "platform/ui/window.h"

namespace {

struct Life {
  int exitCode = -1;
  std::vector<std::string> released;
};

// howToQuit runs with the program started and must end the event loop.
Life Live(const std::function<void(App&)>& howToQuit) {
  Life life;
  startup::SetReleaseObserver([&life](std::string_view s) { life.released.emplace_back(s); });
  std::unique_ptr<App> app = startup::MakeApplication();
  startup::MakeDefaultView();
  fw::testing::ProcessEvents(10);
  EXPECT_NE(fw::GetImplicitWindow("Window1"), nullptr);
  EXPECT_NE(FileTypes1::pTRKit(), nullptr);
  fw::PictureRef skin = TKDrumscopy1();
  fw::SoundRef silence = blank();
  howToQuit(*app);
  life.exitCode = startup::RunEventLoop(*app);
  startup::Finalize();
  startup::SetReleaseObserver(nullptr);
  EXPECT_NE(TKDrumscopy1(), skin) << "the cached assets were released";
  EXPECT_NE(blank(), silence);
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_EQ(fw::GetImplicitWindow("Window1"), nullptr);
  EXPECT_EQ(FileTypes1::pTRKit(), nullptr);
  EXPECT_FALSE(MenuBar1::ReleaseInstance()) << "the menu bar is gone already";
  return life;
}

TEST(Shutdown, ClosingTheWindowAndQuitEndAlike) {
  auto folder = std::filesystem::temp_directory_path() / "taktora-shutdown-test";
  std::filesystem::create_directories(folder);
  fw::SetApplicationFolder(folder);
  const std::vector<std::string> order = {"assets", "windows", "menu bar", "file types"};

  // Closing the window must end the loop by itself: were it not to, Run
  // would wait for ever and the test time out.
  Life closed = Live([](App&) { Window1::Instance().Close(); });
  EXPECT_EQ(closed.exitCode, 0);
  EXPECT_EQ(closed.released, order);

  Life quit = Live([](App&) { fw::testing::TypeShortcut(Window1::Instance(), "Ctrl+Q"); });
  EXPECT_EQ(quit.exitCode, 0);
  EXPECT_EQ(quit.released, order);

  // Closing while playing: the playback loop still reads the document when
  // the loop ends, and must be over before the window goes.
  Life playing = Live([](App&) {
    Window1& w = Window1::Instance();
    w.StartPlayback();
    EXPECT_TRUE(w.playon);
    fw::testing::ProcessEvents(50);
    w.Close();
  });
  EXPECT_EQ(playing.exitCode, 0);
  EXPECT_EQ(playing.released, order);

  std::filesystem::remove_all(folder);
}

}  // namespace
