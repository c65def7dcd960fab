// The application object, its event loop, menus and the small global services.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuItem {
 public:
  MenuItem();
  virtual ~MenuItem();
  std::string Name;
  std::string Text;              // "&" marks the mnemonic; "-" is a separator
  std::string KeyboardShortcut;  // "Cmd+Q" style; Cmd maps to Ctrl
  bool AutoEnable = true;
  virtual const char* ClassName() const { return "MenuItem"; }

  void Append(std::unique_ptr<MenuItem> item);
  MenuItem* Child(std::string_view name) const;  // direct child by name
  int Count() const;
  MenuItem& Item(int i) const;

 private:
  std::vector<std::unique_ptr<MenuItem>> children_;
};

// Goes into the application's own menu; here: the File menu, in place.
class AppleMenuItem : public MenuItem {
 public:
  const char* ClassName() const override { return "AppleMenuItem"; }
};

// Quits the application when chosen.
class QuitMenuItem : public MenuItem {
 public:
  const char* ClassName() const override { return "QuitMenuItem"; }
};

class MenuBar : public MenuItem {
 public:
  const char* ClassName() const override { return "MenuBar"; }
};

class Application {
 public:
  Application();
  virtual ~Application();
  void SetMenuBar(MenuBar* bar);
  MenuBar* GetMenuBar() const;
  // Binds the item of that name (anywhere in the menu bar) to an action.
  void AddMenuHandler(std::string_view itemName, std::function<bool()> action);
  // Chooses a menu item by name as if the user had (tests, and the menus).
  bool ChooseMenuItem(std::string_view itemName);
  // Runs the event loop until Quit; returns the exit code.
  int Run();
};

// Creates the platform's GUI runtime (QApplication). Returns false, having
// printed one line to stderr, when there is no display to open.
bool RuntimeInit(int& argc, char** argv);
void RuntimeExit();

void RegisterAppObject(Application* app);
Application* AppObject();

// Ends the event loop after the current event.
void Quit(int code = 0);

// A modal message box with one line of text and an OK button. Lets the baton
// go while it is open.
void MsgBox(const std::string& text);

// Opens an address (mailto:, http:, a file) with the desktop.
void ShowURL(const std::string& url);

}  // namespace fw
