// Top-level windows. A window's content area has the size of its record; the
// menu bar sits outside it. Controls are added in creation order; the later
// control lies on top and takes the click where two overlap.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/color.h"
#include "platform/ui/controls.h"
#include "platform/ui/picture.h"

namespace fw {

class MenuBar;

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Window construction: Layout, CreateControls, the controls' Open events in
  // creation order, Event_Open; then the window is shown when its record says
  // Visible. Called once, by whoever creates the window.
  void Construct();

  // Overridables.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  // A typed key while no control has the keyboard focus; Backspace as Chr(8).
  virtual bool Event_KeyDown(const std::string& /*key*/) { return false; }
  // A press on the window itself (not on a control).
  virtual bool Event_MouseDown(int /*x*/, int /*y*/) { return false; }

  // Controls. New<T>(name, index) creates a control of class T, sets its
  // name and index and adds it to the window; it returns the control so the
  // caller can set its picture, apply its record and bind its events.
  template <class T, class... Args>
  T& New(std::string_view name, int index = kNoIndex, Args&&... args) {
    auto c = std::make_unique<T>(std::forward<Args>(args)...);
    T& ref = *c;
    AddControl(std::move(c), name, index);
    return ref;
  }
  void AddControl(std::unique_ptr<Control> c, std::string_view name, int index);
  Control* ControlByName(std::string_view name) const;  // first of that name
  Control* ControlByNameIndex(std::string_view name, int index) const;
  int ControlCount() const;
  Control& ControlAt(int i) const;  // 0-based, creation order

  // Typed lookups; abort with a clear message when missing or of another class.
  template <class T>
  T& Get(std::string_view name) const {
    return Checked<T>(ControlByName(name), name, kNoIndex);
  }
  template <class T>
  T& Get(std::string_view name, int index) const {
    return Checked<T>(ControlByNameIndex(name, index), name, index);
  }

  // Window properties.
  void SetBackdrop(PictureRef pic);
  const PictureRef& Backdrop() const;
  void SetMenuBar(MenuBar* bar);
  MenuBar* GetMenuBar() const;
  // Applies a window design record (Placement, Width, Height, ..., Title).
  void ApplyRecord(std::string_view record);
  bool SetProperty(std::string_view name, const PropertyValue& v);
  int Width() const;
  int Height() const;
  const std::string& Title() const;
  Color BackColor() const;
  bool Visible() const;

  // Pointer position in content coordinates, as of the event being handled.
  int MouseX() const;
  int MouseY() const;

  // The window's own graphics (Width/Height = the content size).
  Graphics& OwnGraphics();

  void Show();
  // Closes the window: raises Event_Close, hides it and destroys it later
  // (after the current event). Implicit instances are forgotten at once.
  void Close();

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  template <class T>
  T& Checked(Control* c, std::string_view name, int index) const {
    auto* t = dynamic_cast<T*>(c);
    if (!t) MissingControl(name, index);
    return *t;
  }
  [[noreturn]] void MissingControl(std::string_view name, int index) const;
  std::unique_ptr<Impl> impl_;
};

// Implicit instances: the one open window of a class, by class name.
Window* GetImplicitWindow(std::string_view className);
void RegisterImplicitWindow(std::string_view className, Window* w);

// The accessor every implicit-instance window uses: returns the open one, or
// makes a new W, registers it and runs its construction.
template <class W>
W& ImplicitInstance(std::string_view className) {
  if (auto* w = GetImplicitWindow(className)) return static_cast<W&>(*w);
  auto* w = new W();  // owned by the platform's window list
  RegisterImplicitWindow(className, w);
  w->Construct();
  return *w;
}

// Every window still open, in creation order.
std::vector<Window*> OpenWindows();

// Destroys every window still in the window list, newest first, without Close
// events; the implicit instances go with them. For the end of the program,
// after the event loop.
void DestroyAllWindows();

}  // namespace fw
