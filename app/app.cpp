#include "app/app.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/about_window.h"

bool App::_FileAboutTaktora_Action() {
  AboutTaktora::Instance().Show();
  return false;
}

App& App::Instance() {
  auto* app = dynamic_cast<App*>(fw::AppObject());
  if (!app) {
    std::fprintf(stderr, "taktora: no application object registered\n");
    std::abort();
  }
  return *app;
}

namespace {

std::unique_ptr<MenuBar1>& ImplicitMenuBar() {
  static std::unique_ptr<MenuBar1> instance;
  return instance;
}

// Sets an item up in the fixed order: Name, AutoEnable, Text, KeyboardShortcut.
// Separators get no shortcut at all.
template <class Item>
std::unique_ptr<fw::MenuItem> MakeItem(const char* name, const char* text, const char* shortcut) {
  auto item = std::make_unique<Item>();
  item->Name = name;
  item->AutoEnable = true;
  item->Text = text;
  if (shortcut) item->KeyboardShortcut = shortcut;
  return item;
}

}  // namespace

MenuBar1::MenuBar1() {
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  Append(MakeItem<fw::MenuItem>("FileMenu", "&File", ""));
  fw::MenuItem* file = Child("FileMenu");
  file->Append(MakeItem<fw::AppleMenuItem>("FileAboutTaktora", "About Taktora", ""));
  file->Append(MakeItem<fw::QuitMenuItem>("FileQuit", "Quit", "Cmd+Q"));
}

void MenuBar1::Untitled1() {
  Append(MakeItem<fw::MenuItem>("EditMenu", "&Edit", ""));
  fw::MenuItem* edit = Child("EditMenu");
  edit->Append(MakeItem<fw::MenuItem>("EditUndo", "&Undo", "Cmd+Z"));
  edit->Append(MakeItem<fw::MenuItem>("UntitledMenu1", "-", nullptr));
  edit->Append(MakeItem<fw::MenuItem>("EditCut", "Cu&t", "Cmd+X"));
  edit->Append(MakeItem<fw::MenuItem>("EditCopy", "&Copy", "Cmd+C"));
  edit->Append(MakeItem<fw::MenuItem>("EditPaste", "&Paste", "Cmd+V"));
  edit->Append(MakeItem<fw::MenuItem>("EditClear", "Clear", ""));
  edit->Append(MakeItem<fw::MenuItem>("UntitledMenu0", "-", nullptr));
  edit->Append(MakeItem<fw::MenuItem>("EditSelectAll", "Select &All", "Cmd+A"));
}

MenuBar1& MenuBar1::Instance() {
  auto& slot = ImplicitMenuBar();
  if (!slot) {
    // Built completely before it is stored, so a half-built bar is never seen.
    auto bar = std::make_unique<MenuBar1>();
    slot = std::move(bar);
  }
  return *slot;
}

bool MenuBar1::ReleaseInstance() {
  auto& slot = ImplicitMenuBar();
  if (!slot) return false;
  slot.reset();
  return true;
}
