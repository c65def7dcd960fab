// Taktora: a desktop drum machine.
#include <memory>

#include "app/app.h"
#include "app/startup.h"
#include "platform/ui/application.h"

int main(int argc, char** argv) {
  if (!fw::RuntimeInit(argc, argv)) return 1;
  int code = 0;
  {
    std::unique_ptr<App> app = startup::MakeApplication();
    startup::StartAudio();
    startup::MakeDefaultView();
    code = startup::RunEventLoop(*app);
    startup::Finalize();
  }
  fw::RuntimeExit();
  return code;
}
