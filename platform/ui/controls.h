// The controls a window holds. Program code sees these classes only; each is
// backed by a Qt widget inside the platform layer.
#pragma once
#include <climits>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/color.h"
#include "platform/ui/events.h"
#include "platform/ui/picture.h"

namespace fw {

class Window;

// One value read from a design record.
struct PropertyValue {
  enum class Type { Integer, Boolean, Color, String } type = Type::Integer;
  int32_t integer = 0;
  bool hasValue = true;  // false for the Integer 0x80000000 ("no value")
  bool boolean = false;
  Color color = 0;
  std::string string;
};

constexpr int kNoIndex = INT_MIN;

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const;
  int Index() const;  // kNoIndex for a control outside any array
  Window& Win() const;
  virtual const char* ClassName() const = 0;  // "Canvas", "StaticText", ...

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  bool Visible() const;
  void SetVisible(bool v);
  bool Enabled() const;
  void SetEnabled(bool v);
  bool AutoDeactivate() const;
  int TabIndex() const;  // kNoIndex when the record gave none

  // Asks for a repaint; from any thread, painted later on the main thread.
  void Refresh(bool eraseBackground = true);

  // Binds an event by name (see events.h). Unknown names are ignored.
  void InstallEventHandler(std::string_view event, PlainHandler h);
  void InstallEventHandler(std::string_view event, PaintHandler h);
  void InstallEventHandler(std::string_view event, MouseDownHandler h);
  void InstallEventHandler(std::string_view event, MouseHandler h);

  // Sets one design-record property; false when the name is not one this kind
  // of control has (the record setter then reports it).
  virtual bool SetProperty(std::string_view name, const PropertyValue& v);

  struct Impl;
  Impl& impl() const { return *impl_; }

 protected:
  explicit Control(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
  friend class Window;
};

// A drawing surface: paints its backdrop picture at (0, 0) at the picture's
// own size, then raises Paint.
class Canvas : public Control {
 public:
  Canvas();
  const char* ClassName() const override { return "Canvas"; }
  const PictureRef& Backdrop() const;
  void SetBackdrop(PictureRef pic);  // repaints
  bool EraseBackground() const;
  bool SetProperty(std::string_view name, const PropertyValue& v) override;
};

class StaticText : public Control {
 public:
  StaticText();
  const char* ClassName() const override { return "StaticText"; }
  const std::string& Text() const;
  void SetText(std::string_view s);
  Color TextColor() const;
  void SetTextColor(Color c);
  int TextAlign() const;  // 0 left, 1 centred, 2 right
  int TextSize() const;
  bool Bold() const;
  bool Underline() const;
  void SetUnderline(bool v);
  bool SetProperty(std::string_view name, const PropertyValue& v) override;
};

class EditField : public Control {
 public:
  EditField();
  const char* ClassName() const override { return "EditField"; }
  std::string Text() const;
  void SetText(std::string_view s);
  Color TextColor() const;
  Color BackColor() const;
  bool SetProperty(std::string_view name, const PropertyValue& v) override;
};

class Oval : public Control {
 public:
  Oval();
  const char* ClassName() const override { return "Oval"; }
  Color FillColor() const;
  void SetFillColor(Color c);
  bool SetProperty(std::string_view name, const PropertyValue& v) override;
};

// A push button with an icon picture and a caption; a click raises Action.
class BevelButton : public Control {
 public:
  BevelButton();
  const char* ClassName() const override { return "BevelButton"; }
  const std::string& Caption() const;
  void SetCaption(std::string_view s);
  const PictureRef& Icon() const;
  void SetIcon(PictureRef pic);
  bool SetProperty(std::string_view name, const PropertyValue& v) override;
};

class PushButton : public Control {
 public:
  PushButton();
  const char* ClassName() const override { return "PushButton"; }
  const std::string& Caption() const;
  void SetCaption(std::string_view s);
  bool SetProperty(std::string_view name, const PropertyValue& v) override;
};

}  // namespace fw
