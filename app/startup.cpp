#include "app/startup.h"

#include "app/app.h"
#include "app/assets.h"
#include "engine/window1.h"
#include "files/file_types.h"
#include "platform/sound/audio_output.h"
#include "platform/ui/application.h"
#include "platform/ui/window.h"

namespace startup {
namespace {

std::function<void(std::string_view)>& ReleaseObserver() {
  static std::function<void(std::string_view)> observer;
  return observer;
}

void Released(std::string_view step) {
  if (ReleaseObserver()) ReleaseObserver()(step);
}

}  // namespace

std::unique_ptr<App> MakeApplication() {
  FileTypes1::Initialize();
  auto app = std::make_unique<App>();
  app->SetMenuBar(&MenuBar1::Instance());
  fw::RegisterAppObject(app.get());
  // The only menu binding of the program; Quit is the framework's own.
  App& registered = App::Instance();
  registered.AddMenuHandler("FileAboutTaktora",
                            [&registered] { return registered._FileAboutTaktora_Action(); });
  return app;
}

void StartAudio() { fw::AudioOutput::Start(); }

void MakeDefaultView() { Window1::Instance(); }

int RunEventLoop(App& app) { return app.Run(); }

void Finalize() {
  ReleaseAssets();
  Released("assets");
  fw::DestroyAllWindows();
  Released("windows");
  if (auto* app = fw::AppObject()) app->SetMenuBar(nullptr);
  MenuBar1::ReleaseInstance();
  Released("menu bar");
  FileTypes1::Finalize();
  Released("file types");
}

void SetReleaseObserver(std::function<void(std::string_view step)> observer) {
  ReleaseObserver() = std::move(observer);
}

}  // namespace startup
