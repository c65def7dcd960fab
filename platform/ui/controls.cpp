// Controls: the program-facing classes, their properties and events. The
// widgets behind them are in control_widgets.cpp.
#include "platform/ui/controls.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "platform/base/main_thread.h"
#include "platform/ui/guarded.h"
#include "platform/ui/painter_graphics.h"
#include "platform/ui/qt_widgets.h"

namespace fw {

namespace {

std::atomic<bool> g_contextual{false};

using T = PropertyValue::Type;

// Accepts a property this platform keeps no state for, if the type fits.
bool Accept(const PropertyValue& v, T type) { return v.type == type; }

// The text style names shared by every kind that shows text.
bool SetTextStyle(TextStyle& s, std::string_view name, const PropertyValue& v, bool* ok) {
  if (name == "TextFont")
    *ok = AsString(v, &s.font);
  else if (name == "TextSize")
    *ok = AsIntIn(v, &s.size, 0, 1000);
  else if (name == "Bold")
    *ok = AsBool(v, &s.bold);
  else if (name == "Italic")
    *ok = AsBool(v, &s.italic);
  else if (name == "Underline")
    *ok = AsBool(v, &s.underline);
  else
    return false;
  return true;
}

std::unique_ptr<Control::Impl> MakeImpl(ControlKind kind) {
  auto impl = std::make_unique<Control::Impl>(kind);
  switch (kind) {
    case ControlKind::EditField:
      impl->widget = new EditWidget(impl.get());
      break;
    case ControlKind::PushButton:
      impl->widget = new ButtonWidget(impl.get());
      break;
    default:
      impl->widget = new ControlSurface(impl.get());
      break;
  }
  return impl;
}

}  // namespace

bool IsContextualClick() { return g_contextual.load(std::memory_order_relaxed); }
void SetContextualClick(bool contextual) {
  g_contextual.store(contextual, std::memory_order_relaxed);
}

QFont TextStyle::ToFont() const {
  QFont f = FontFor(font, size > 0 ? size : 12, bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  // Control texts are drawn without smoothing at small pixel sizes; full
  // hinting snaps the glyph outlines to the pixel grid so that they stay
  // legible ("S" rather than a "9"-like blot) and keeps letters from drifting
  // apart.
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

Control::Impl::~Impl() { delete widget.data(); }

// ---- Control.

Control::Control(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) { impl_->self = this; }
Control::~Control() = default;

const std::string& Control::Name() const { return impl_->name; }
int Control::Index() const { return impl_->index; }
Window& Control::Win() const {
  if (!impl_->win) {
    std::fprintf(stderr, "Taktora: control \"%s\" belongs to no window\n", impl_->name.c_str());
    std::abort();
  }
  return *impl_->win;
}

int Control::Left() const { return impl_->left; }
int Control::Top() const { return impl_->top; }
int Control::Width() const { return impl_->width; }
int Control::Height() const { return impl_->height; }
void Control::SetLeft(int v) {
  impl_->left = v;
  impl_->SyncGeometry();
}
void Control::SetTop(int v) {
  impl_->top = v;
  impl_->SyncGeometry();
}
void Control::SetWidth(int v) {
  impl_->width = std::max(v, 0);
  impl_->SyncGeometry();
}
void Control::SetHeight(int v) {
  impl_->height = std::max(v, 0);
  impl_->SyncGeometry();
}
bool Control::Visible() const { return impl_->visible; }
void Control::SetVisible(bool v) {
  impl_->visible = v;
  if (impl_->widget && impl_->win) impl_->widget->setVisible(v);
}
bool Control::Enabled() const { return impl_->enabled; }
void Control::SetEnabled(bool v) {
  impl_->enabled = v;
  if (!v) impl_->tracking = false;
  if (impl_->widget) impl_->widget->setEnabled(v);
}
bool Control::AutoDeactivate() const { return impl_->autoDeactivate; }
int Control::TabIndex() const { return impl_->tabIndex; }

void Control::Refresh(bool /*eraseBackground*/) {
  // Whether the area is erased first follows the control's EraseBackground.
  QWidget* w = impl_->widget.data();
  if (!w) return;
  if (detail::OnMainThread()) {
    w->update();
  } else {
    // Another thread (the playback thread): the repaint runs on the main
    // thread; the widget is the context, so a destroyed control paints nothing.
    // The call is posted holding the baton and run holding it, so the main
    // thread sees it only after this thread has let go.
    QMetaObject::invokeMethod(
        w, [w] { w->update(); }, Qt::QueuedConnection);
  }
}

namespace {
// The handler with every call guarded as detail::DeliverGuarded guards one
// (platform/ui/guarded.h), the message built only when a call fails: these
// run on every paint and mouse move.
template <class R, class... A>
std::function<R(Control&, A...)> Guarded(std::string_view event, std::function<R(Control&, A...)> h,
                                         bool quiet = false) {
  if (!h) return h;
  return [event = std::string(event), h = std::move(h), quiet](Control& me, A... a) -> R {
    try {
      return h(me, a...);
    } catch (...) {
      detail::ReportEscaped("handling the " + event + " of " + me.Name(), quiet);
      if constexpr (!std::is_void_v<R>) return R{};
    }
  };
}
}  // namespace

void Control::InstallEventHandler(std::string_view event, PlainHandler h) {
  h = Guarded(event, std::move(h));
  if (event == "Open")
    impl_->onOpen = std::move(h);
  else if (event == "Action")
    impl_->onAction = std::move(h);
  else if (event == "MouseEnter")
    impl_->onEnter = std::move(h);
  else if (event == "MouseExit")
    impl_->onExit = std::move(h);
}
void Control::InstallEventHandler(std::string_view event, PaintHandler h) {
  if (event == "Paint") {
    impl_->onPaint = Guarded(event, std::move(h), /*quiet=*/true);
    if (impl_->widget) impl_->widget->update();
  }
}
void Control::InstallEventHandler(std::string_view event, MouseDownHandler h) {
  if (event == "MouseDown") impl_->onMouseDown = Guarded(event, std::move(h));
}
void Control::InstallEventHandler(std::string_view event, MouseHandler h) {
  h = Guarded(event, std::move(h));
  if (event == "MouseDrag")
    impl_->onMouseDrag = std::move(h);
  else if (event == "MouseUp")
    impl_->onMouseUp = std::move(h);
}

bool Control::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  bool ok = true;
  if (name == "Name") {
    std::string n;
    if (!AsString(v, &n) || n.empty()) return false;
    d.name = std::move(n);
    if (d.win) d.win->impl().byNameStale = true;
  } else if (name == "Index") {
    if (!AsOptionalInt(v, &d.index)) return false;
  } else if (name == "Left") {
    ok = AsIntIn(v, &d.left, -32000, 32000);
  } else if (name == "Top") {
    ok = AsIntIn(v, &d.top, -32000, 32000);
  } else if (name == "Width") {
    ok = AsIntIn(v, &d.width, 0, 32000);
  } else if (name == "Height") {
    ok = AsIntIn(v, &d.height, 0, 32000);
  } else if (name == "Visible") {
    bool b = true;
    if (!AsBool(v, &b)) return false;
    SetVisible(b);
    return true;
  } else if (name == "Enabled") {
    bool b = true;
    if (!AsBool(v, &b)) return false;
    SetEnabled(b);
    return true;
  } else if (name == "AutoDeactivate") {
    ok = AsBool(v, &d.autoDeactivate);
  } else if (name == "TabIndex") {
    if (!AsOptionalInt(v, &d.tabIndex)) return false;
  } else if (name == "HelpTag") {
    ok = AsString(v, &d.helpTag);
  } else if (name == "LockLeft" || name == "LockTop" || name == "LockRight" ||
             name == "LockBottom") {
    // Windows keep their size, so anchoring never moves anything.
    ok = Accept(v, T::Boolean);
  } else if (name == "TabPanelIndex") {
    ok = Accept(v, T::Integer);
  } else if (name == "InitialParent") {
    // Controls are placed in the window itself; a named parent is not supported.
    ok = v.type == T::String && v.string.empty();
  } else {
    return false;
  }
  if (ok) {
    d.SyncGeometry();
    d.SyncAppearance();
  }
  return ok;
}

// ---- Canvas.

Canvas::Canvas() : Control(MakeImpl(ControlKind::Canvas)) {}
const PictureRef& Canvas::Backdrop() const { return impl_->picture; }
void Canvas::SetBackdrop(PictureRef pic) {
  impl_->picture = std::move(pic);
  if (impl_->widget) impl_->widget->update();
}
bool Canvas::EraseBackground() const { return impl_->eraseBackground; }
bool Canvas::SetProperty(std::string_view name, const PropertyValue& v) {
  if (name == "EraseBackground") return AsBool(v, &impl_->eraseBackground);
  if (name == "UseFocusRing" || name == "AcceptFocus" || name == "AcceptTabs")
    return Accept(v, T::Boolean);  // a canvas never takes the keyboard focus
  return Control::SetProperty(name, v);
}

// ---- StaticText.

StaticText::StaticText() : Control(MakeImpl(ControlKind::StaticText)) {}
const std::string& StaticText::Text() const { return impl_->text; }
void StaticText::SetText(std::string_view s) {
  impl_->text = std::string(s);
  impl_->SyncAppearance();
}
Color StaticText::TextColor() const { return impl_->textColor; }
void StaticText::SetTextColor(Color c) {
  impl_->textColor = c & 0xFFFFFF;
  impl_->SyncAppearance();
}
int StaticText::TextAlign() const { return impl_->align; }
int StaticText::TextSize() const { return impl_->style.size; }
bool StaticText::Bold() const { return impl_->style.bold; }
bool StaticText::Underline() const { return impl_->style.underline; }
void StaticText::SetUnderline(bool v) {
  impl_->style.underline = v;
  impl_->SyncAppearance();
}
bool StaticText::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  bool ok = true;
  if (SetTextStyle(d.style, name, v, &ok)) {
  } else if (name == "Text") {
    ok = AsString(v, &d.text);
  } else if (name == "TextAlign") {
    ok = AsIntIn(v, &d.align, 0, 2);
  } else if (name == "TextColor") {
    ok = AsColor(v, &d.textColor);
  } else if (name == "Multiline") {
    ok = AsBool(v, &d.multiline);
  } else if (name == "DataSource" || name == "DataField") {
    ok = Accept(v, T::String);
  } else {
    return Control::SetProperty(name, v);
  }
  if (ok) d.SyncAppearance();
  return ok;
}

// ---- EditField.

EditField::EditField() : Control(MakeImpl(ControlKind::EditField)) {
  impl_->textColor = 0x000000;
  impl_->backColor = 0xFFFFFF;
  impl_->SyncAppearance();
}
std::string EditField::Text() const {
  // A text set from a file name may not be UTF-8, and the field shows it with
  // stand-in characters: until the user changes it, it stays the bytes it was.
  auto* e = qobject_cast<QLineEdit*>(impl_->widget.data());
  if (!e || e->text() == ToQString(impl_->text)) return impl_->text;
  return e->text().toStdString();
}
void EditField::SetText(std::string_view s) {
  impl_->text = std::string(s);
  impl_->SyncAppearance();
}
Color EditField::TextColor() const { return impl_->textColor; }
Color EditField::BackColor() const { return impl_->backColor; }
bool EditField::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  bool ok = true;
  if (SetTextStyle(d.style, name, v, &ok)) {
  } else if (name == "Text") {
    ok = AsString(v, &d.text);
  } else if (name == "TextColor") {
    ok = AsColor(v, &d.textColor);
  } else if (name == "BackColor") {
    ok = AsColor(v, &d.backColor);
  } else if (name == "Border") {
    ok = AsBool(v, &d.border);
  } else if (name == "Alignment") {
    ok = AsIntIn(v, &d.align, 0, 3);
  } else if (name == "ReadOnly") {
    ok = AsBool(v, &d.readOnly);
  } else if (name == "Password") {
    ok = AsBool(v, &d.password);
  } else if (name == "LimitText") {
    ok = AsIntIn(v, &d.limitText, 0, 1 << 20);
  } else if (name == "Multiline") {
    // One line of text; a multi-line field is not supported.
    ok = v.type == T::Boolean && !v.boolean;
  } else if (name == "ScrollbarHorizontal" || name == "ScrollbarVertical" || name == "Styled" ||
             name == "UseFocusRing" || name == "AcceptTabs") {
    ok = Accept(v, T::Boolean);
  } else if (name == "Format" || name == "Mask" || name == "DataSource" || name == "DataField") {
    ok = Accept(v, T::String);
  } else {
    return Control::SetProperty(name, v);
  }
  if (ok) d.SyncAppearance();
  return ok;
}

// ---- Oval.

Oval::Oval() : Control(MakeImpl(ControlKind::Oval)) {}
Color Oval::FillColor() const { return impl_->fillColor; }
void Oval::SetFillColor(Color c) {
  impl_->fillColor = c & 0xFFFFFF;
  impl_->SyncAppearance();
}
bool Oval::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  bool ok = true;
  if (name == "FillColor")
    ok = AsColor(v, &d.fillColor);
  else if (name == "BorderColor")
    ok = AsColor(v, &d.borderColor);
  else if (name == "BorderWidth")
    ok = AsIntIn(v, &d.borderWidth, 0, 1000);
  else
    return Control::SetProperty(name, v);
  if (ok) d.SyncAppearance();
  return ok;
}

// ---- BevelButton.

BevelButton::BevelButton() : Control(MakeImpl(ControlKind::BevelButton)) {}
const std::string& BevelButton::Caption() const { return impl_->text; }
void BevelButton::SetCaption(std::string_view s) {
  impl_->text = std::string(s);
  impl_->SyncAppearance();
}
const PictureRef& BevelButton::Icon() const { return impl_->picture; }
void BevelButton::SetIcon(PictureRef pic) {
  impl_->picture = std::move(pic);
  impl_->SyncAppearance();
}
bool BevelButton::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  BevelLook& b = d.bevelLook;
  bool ok = true;
  if (SetTextStyle(d.style, name, v, &ok)) {
  } else if (name == "Caption") {
    ok = AsString(v, &d.text);
  } else if (name == "CaptionAlign") {
    ok = AsInt(v, &b.captionAlign);
  } else if (name == "CaptionPlacement") {
    ok = AsInt(v, &b.captionPlacement);
  } else if (name == "CaptionDelta") {
    ok = AsIntIn(v, &b.captionDelta, -1000, 1000);
  } else if (name == "IconAlign") {
    ok = AsInt(v, &b.iconAlign);
  } else if (name == "IconDX") {
    ok = AsIntIn(v, &b.iconDX, -1000, 1000);
  } else if (name == "IconDY") {
    ok = AsIntIn(v, &b.iconDY, -1000, 1000);
  } else if (name == "Bevel") {
    ok = AsInt(v, &b.bevel);
  } else if (name == "Value") {
    ok = AsBool(v, &b.value);
  } else if (name == "HasMenu" || name == "MenuValue" || name == "ButtonType") {
    ok = Accept(v, T::Integer);
  } else if (name == "AcceptFocus") {
    ok = Accept(v, T::Boolean);
  } else {
    return Control::SetProperty(name, v);
  }
  if (ok) d.SyncAppearance();
  return ok;
}

// ---- PushButton.

PushButton::PushButton() : Control(MakeImpl(ControlKind::PushButton)) {}
const std::string& PushButton::Caption() const { return impl_->text; }
void PushButton::SetCaption(std::string_view s) {
  impl_->text = std::string(s);
  impl_->SyncAppearance();
}
bool PushButton::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  bool ok = true;
  if (SetTextStyle(d.style, name, v, &ok)) {
  } else if (name == "Caption") {
    ok = AsString(v, &d.text);
  } else if (name == "Default") {
    ok = AsBool(v, &d.defaultButton);
  } else if (name == "Cancel") {
    ok = AsBool(v, &d.cancelButton);
  } else {
    return Control::SetProperty(name, v);
  }
  if (ok) d.SyncAppearance();
  return ok;
}

}  // namespace fw
