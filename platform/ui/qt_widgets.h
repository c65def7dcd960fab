// Internal to the platform layer: the Qt widgets behind windows and controls,
// and the state each Window and Control keeps.
#pragma once
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/painter_graphics.h"
#include "platform/ui/window.h"

class QMenuBar;

namespace fw {

enum class ControlKind { Canvas, StaticText, EditField, Oval, BevelButton, PushButton };

// Text style shared by the kinds that show text.
struct TextStyle {
  std::string font = "System";
  int size = 12;  // pixels
  bool bold = false;
  bool italic = false;
  bool underline = false;
  // The font the text is drawn in: no smoothing, full hinting.
  QFont ToFont() const;
};

// How a BevelButton lays out its icon and caption.
struct BevelLook {
  int captionAlign = 3;      // 0 left, 1 right, otherwise centred
  int captionPlacement = 1;  // 2 left of the icon, 3 below, 4 above, otherwise right
  int captionDelta = 0;      // extra gap between icon and caption
  int iconAlign = 1;
  int iconDX = 0, iconDY = 0;
  int bevel = 0;  // 0 small, 1 normal, 2 large
  bool value = false;
};

struct Control::Impl {
  explicit Impl(ControlKind k) : kind(k) {}
  ~Impl();

  ControlKind kind;
  Control* self = nullptr;
  Window* win = nullptr;
  QPointer<QWidget> widget;  // owned by this impl; a child of the content once added

  // Common properties.
  std::string name;
  int index = kNoIndex;
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  bool autoDeactivate = true;
  int tabIndex = kNoIndex;
  std::string helpTag;

  // Per kind.
  PictureRef picture;  // Canvas backdrop, BevelButton icon
  BevelLook bevelLook;
  bool eraseBackground = true;  // Canvas
  std::string text;             // StaticText/EditField text, button caption
  TextStyle style;
  QFont font = style.ToFont();  // style.ToFont(), kept by SyncAppearance
  Color textColor = 0;
  Color backColor = 0xFFFFFF;  // EditField
  int align = 0;               // StaticText TextAlign, EditField Alignment
  bool multiline = false;
  bool border = true;          // EditField
  Color fillColor = 0xFFFFFF;  // Oval
  int borderWidth = 1;         // Oval
  Color borderColor = 0;       // Oval
  bool readOnly = false;       // EditField
  bool password = false;       // EditField
  int limitText = 0;           // EditField, 0 = no limit
  bool defaultButton = false;  // PushButton
  bool cancelButton = false;   // PushButton

  // Event handlers.
  PlainHandler onOpen, onAction, onEnter, onExit;
  PaintHandler onPaint;
  MouseDownHandler onMouseDown;
  MouseHandler onMouseDrag, onMouseUp;

  // The press in progress: MouseDown returned True, so drags and the release
  // of that press come here.
  bool tracking = false;
  bool trackingContextual = false;
  // The pointer left the control during that press: MouseExit went out then,
  // so the leave that arrives after the release is not raised again.
  bool leftDuringPress = false;

  // Event entry points for the widgets (main thread).
  // A press; false when the control takes no presses (it goes on to the window).
  bool Press(QWidget* w, const QPointF& pos, Qt::MouseButton b, Qt::KeyboardModifiers mods);
  void Move(QWidget* w, const QPointF& pos);
  void Release(QWidget* w, const QPointF& pos);
  void Enter();
  void Leave();
  void RaiseAction();

  // Applies the state above to the widget.
  void SyncGeometry();
  void SyncAppearance();
  void NoteMouse(QWidget* w, const QPointF& pos);
};

// Reading a PropertyValue of the expected type; false on another type.
// An Integer without a value leaves *out unchanged.
inline bool AsInt(const PropertyValue& v, int* out) {
  if (v.type != PropertyValue::Type::Integer) return false;
  if (v.hasValue) *out = v.integer;
  return true;
}
// The same, refusing (and not storing) a value outside lo..hi.
inline bool AsIntIn(const PropertyValue& v, int* out, int lo, int hi) {
  if (v.type != PropertyValue::Type::Integer) return false;
  if (!v.hasValue) return true;
  if (v.integer < lo || v.integer > hi) return false;
  *out = v.integer;
  return true;
}
// An Integer without a value stores kNoIndex.
inline bool AsOptionalInt(const PropertyValue& v, int* out) {
  if (v.type != PropertyValue::Type::Integer) return false;
  *out = v.hasValue ? v.integer : kNoIndex;
  return true;
}
inline bool AsBool(const PropertyValue& v, bool* out) {
  if (v.type != PropertyValue::Type::Boolean) return false;
  *out = v.boolean;
  return true;
}
inline bool AsColor(const PropertyValue& v, Color* out) {
  if (v.type != PropertyValue::Type::Color) return false;
  *out = v.color & 0xFFFFFF;
  return true;
}
inline bool AsString(const PropertyValue& v, std::string* out) {
  if (v.type != PropertyValue::Type::String) return false;
  *out = v.string;
  return true;
}

// Painted controls: Canvas, StaticText, Oval, BevelButton.
class ControlSurface : public QWidget {
 public:
  explicit ControlSurface(Control::Impl* impl);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  void PaintCanvas(QPainter& p);
  void PaintStaticText(QPainter& p);
  void PaintOval(QPainter& p);
  void PaintBevelButton(QPainter& p);
  Control::Impl* impl_;
  bool pressedInside_ = false;  // BevelButton look while pressed
};

class EditWidget : public QLineEdit {
 public:
  explicit EditWidget(Control::Impl* impl);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  Control::Impl* impl_;
};

class ButtonWidget : public QPushButton {
 public:
  explicit ButtonWidget(Control::Impl* impl);

 protected:
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;

 private:
  Control::Impl* impl_;
};

// The content area: back colour, backdrop, the window's own drawing; presses
// that no control takes.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(Window::Impl* impl);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  Window::Impl* impl_;
};

// The top-level widget: menu bar above the content; typed keys; the close box.
class TopWidget : public QMainWindow {
 public:
  explicit TopWidget(Window::Impl* impl);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  Window::Impl* impl_;
};

struct Window::Impl {
  Window* self = nullptr;
  QPointer<TopWidget> top;
  ContentWidget* content = nullptr;  // owned by top
  std::vector<std::unique_ptr<Control>> controls;
  // Controls by name, in creation order; rebuilt when a name changes.
  std::unordered_map<std::string, std::vector<Control*>> byName;
  bool byNameStale = true;
  const std::vector<Control*>* Named(std::string_view name);
  bool constructed = false;
  bool closing = false;
  unsigned long long serial = 0;  // tells a destroyed window from a new one

  // Record properties.
  int placement = 0;
  int width = 100, height = 100;
  int minWidth = kNoIndex, minHeight = kNoIndex, maxWidth = kNoIndex, maxHeight = kNoIndex;
  int frame = 0;
  bool composite = false;
  bool hasBackColor = false;
  Color backColor = 0xFFFFFF;
  std::string title;
  bool visible = true;
  bool fullScreen = false;
  bool menuBarVisible = true;
  bool closeButton = true;
  bool resizeable = false;
  bool liveResize = false;
  bool maximizeButton = false;
  bool minimizeButton = true;
  std::string balloonHelp;
  int macProcID = 0;

  PictureRef backdrop;
  MenuBar* menuBar = nullptr;
  QPointer<QMenuBar> qtMenuBar;

  // Pointer position in content coordinates as of the last mouse event.
  bool mouseKnown = false;
  int mouseX = 0, mouseY = 0;

  // The window's own drawing layer, made on first use of OwnGraphics.
  QImage layer;
  std::unique_ptr<PainterGraphics> ownGraphics;

  QColor EraseColor() const;
  void SyncSizeAndFlags();
};

// The menu bar of a window, built from a MenuBar tree (application.cpp).
QMenuBar* BuildQtMenuBar(MenuBar* bar, QWidget* parent);

// Sets what IsContextualClick answers while a press is handled.
void SetContextualClick(bool contextual);

// Whether a display can be opened; otherwise false with the reason in *why.
bool DisplayAvailable(std::string* why);

// The text of a label as drawn: a carriage return breaks the line.
QString DisplayText(const std::string& text);
// How wide the widest line of text is in font, in pixels.
int WidestLine(const QFont& font, const QString& text);
// The font a label draws text in: its own, set closer where a single line
// would not fit the label's width.
QFont LabelFont(const Control::Impl& d, const QString& text);

// Characters of a key event as the program sees them: Backspace is "\b".
std::string KeyText(int qtKey, const QString& text);

}  // namespace fw
