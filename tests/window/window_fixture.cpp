#include "tests/window/window_fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/app.h"
#include "app/startup.h"
#include "platform/base/files.h"

namespace {

class StartedProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("taktora-window-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    fw::SetApplicationFolder(folder_);
    app_ = startup::MakeApplication();
    startup::MakeDefaultView();
  }
  void TearDown() override {
    startup::Finalize();
    app_.reset();
    std::filesystem::remove_all(folder_);
  }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<App> app_;
};

[[maybe_unused]] auto* const kProgram = ::testing::AddGlobalTestEnvironment(new StartedProgram);

}  // namespace

Window1& StartedWindow() { return Window1::Instance(); }
