// The whole life of the program: start-up, the event loop ended by closing
// the main window or by the Quit item, then the release sequence. Three lives
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
#include "platform/ui/testing.h"

namespace {

// howToQuit runs with the program started and must end the event loop:
// were it not to, the loop would wait for ever and the test time out.
void Live(const char* how, const std::function<void()>& howToQuit) {
  SCOPED_TRACE(how);
  std::vector<std::string> released;
  startup::SetReleaseObserver([&](std::string_view s) { released.emplace_back(s); });
  std::unique_ptr<App> app = startup::MakeApplication();
  startup::MakeDefaultView();
  fw::testing::ProcessEvents(10);
  ASSERT_NE(FileTypes1::pTRKit(), nullptr);
  const fw::PictureRef skin = TKDrumscopy1();
  howToQuit();
  EXPECT_EQ(startup::RunEventLoop(*app), 0);
  startup::Finalize();
  startup::SetReleaseObserver(nullptr);
  EXPECT_EQ(released, (std::vector<std::string>{"assets", "windows", "menu bar", "file types"}));
  EXPECT_NE(TKDrumscopy1(), skin) << "the cached assets were released";
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_EQ(FileTypes1::pTRKit(), nullptr);
  EXPECT_FALSE(MenuBar1::ReleaseInstance()) << "the menu bar is gone already";
}

TEST(Shutdown, ClosingTheWindowQuitAndClosingWhilePlayingEndAlike) {
  const auto folder = std::filesystem::temp_directory_path() / "taktora-shutdown-test";
  std::filesystem::create_directories(folder);
  fw::SetApplicationFolder(folder);
  Live("close box", [] { fw::testing::ClickCloseBox(Window1::Instance()); });
  Live("quit", [] { fw::testing::TypeShortcut(Window1::Instance(), "Ctrl+Q"); });
  // The playback loop still reads the document when the event loop ends, and
  // must be over before the window goes.
  Live("close while playing", [] {
    Window1::Instance().StartPlayback();
    fw::testing::ProcessEvents(50);
    Window1::Instance().Close();
  });
  std::filesystem::remove_all(folder);
}

}  // namespace
