// The application object and the menu bar it shares with the main window.
#pragma once
#include "platform/ui/application.h"

class App : public fw::Application {
 public:
  // The action of the "About Taktora" item: shows the About window.
  virtual bool _FileAboutTaktora_Action();

  // The registered application object as an App.
  static App& Instance();
};

// File and Edit menus. Built once, by the first call of Instance(), and kept
// until ReleaseInstance() at exit.
class MenuBar1 : public fw::MenuBar {
 public:
  MenuBar1();

  static MenuBar1& Instance();
  // Destroys the implicit instance; true when there was one.
  static bool ReleaseInstance();

 private:
  void Untitled0();  // the File menu
  void Untitled1();  // the Edit menu
};
