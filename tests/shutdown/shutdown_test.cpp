// The whole life of the program without its event loop: start-up, then the
// release sequence, twice in one process.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/assets.h"
#include "app/startup.h"
#include "engine/window1.h"
#include "files/file_types.h"
#include "platform/files.h"
#include "platform/testing.h"
#include "platform/window.h"

namespace {

std::vector<std::string> StartAndFinish() {
  std::vector<std::string> steps;
  startup::SetReleaseObserver([&steps](std::string_view s) { steps.emplace_back(s); });
  std::unique_ptr<App> app = startup::MakeApplication();
  startup::MakeDefaultView();
  fw::testing::ProcessEvents(10);
  EXPECT_NE(fw::GetImplicitWindow("Window1"), nullptr);
  EXPECT_NE(FileTypes1::pTRKit(), nullptr);
  startup::Finalize();
  startup::SetReleaseObserver(nullptr);
  return steps;
}

TEST(Shutdown, ReleasesInOrderAndLeavesNothingOpen) {
  auto folder = std::filesystem::temp_directory_path() / "taktora-shutdown-test";
  std::filesystem::create_directories(folder);
  fw::SetApplicationFolder(folder);

  const std::vector<std::string> order = {"assets", "windows", "menu bar", "file types"};
  EXPECT_EQ(StartAndFinish(), order);
  EXPECT_TRUE(fw::OpenWindows().empty());
  EXPECT_EQ(fw::GetImplicitWindow("Window1"), nullptr);
  EXPECT_FALSE(MenuBar1::ReleaseInstance()) << "the menu bar is gone already";

  // A second life in the same process starts from scratch.
  EXPECT_EQ(StartAndFinish(), order);
  EXPECT_TRUE(fw::OpenWindows().empty());
  std::filesystem::remove_all(folder);
}

}  // namespace
