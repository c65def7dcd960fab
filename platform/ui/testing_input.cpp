// Test input: mouse and key events handed to Qt as if the window system had
// sent them, so Qt routes them by position and focus exactly as real input.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "platform/ui/painter_graphics.h"
#include "platform/ui/qt_widgets.h"
#include "platform/ui/testing.h"

// Qt's own entry points for synthetic window-system input (what QTest uses).
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace fw::testing {

namespace {

Qt::MouseButtons g_buttons = Qt::NoButton;
Qt::MouseButton g_pressed = Qt::NoButton;
Qt::KeyboardModifiers g_mods = Qt::NoModifier;
// Events a second apart: two test clicks never make a double click.
int g_timestamp = 0;

struct Target {
  QWindow* handle = nullptr;
  QPointF local, global;
};

// The window handle and the point in its coordinates for content (x, y).
bool Locate(Window& w, int x, int y, Target* t) {
  TopWidget* top = w.impl().top;
  if (!top || !top->isVisible() || !top->windowHandle()) {
    std::fprintf(stderr, "Taktora test input: window \"%s\" is not shown\n", w.Title().c_str());
    return false;
  }
  QPoint local = w.impl().content->mapTo(top, QPoint(x, y));
  t->handle = top->windowHandle();
  t->local = local;
  t->global = top->mapToGlobal(local);
  return true;
}

void Send(const Target& t, Qt::MouseButton button, QEvent::Type type) {
  g_timestamp += 1000;
  qt_handleMouseEvent(t.handle, t.local, t.global, g_buttons, button, type, g_mods, g_timestamp);
}

Qt::MouseButton QtButton(Button b) { return b == Button::Right ? Qt::RightButton : Qt::LeftButton; }

}  // namespace

void Press(Window& w, int x, int y, Button b, bool ctrl) {
  Target t;
  if (!Locate(w, x, y, &t)) return;
  g_mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
  Send(t, Qt::NoButton, QEvent::MouseMove);  // the pointer arrives first
  g_pressed = QtButton(b);
  g_buttons |= g_pressed;
  Send(t, g_pressed, QEvent::MouseButtonPress);
}

void Drag(Window& w, int x, int y) {
  Target t;
  if (!Locate(w, x, y, &t)) return;
  Send(t, Qt::NoButton, QEvent::MouseMove);
}

void Release(Window& w, int x, int y) {
  Qt::MouseButton released = g_pressed == Qt::NoButton ? Qt::LeftButton : g_pressed;
  Target t;
  // A press that closed its window leaves nothing to release on; the button
  // is up all the same, or every later move would count as a drag.
  bool shown = Locate(w, x, y, &t);
  if (shown) Send(t, Qt::NoButton, QEvent::MouseMove);
  g_buttons &= ~released;
  g_pressed = Qt::NoButton;
  if (shown) Send(t, released, QEvent::MouseButtonRelease);
  g_mods = Qt::NoModifier;
}

void Click(Window& w, int x, int y, Button b, bool ctrl) {
  Press(w, x, y, b, ctrl);
  Release(w, x, y);
}

void MoveMouse(Window& w, int x, int y) {
  Target t;
  if (!Locate(w, x, y, &t)) return;
  Send(t, Qt::NoButton, QEvent::MouseMove);
}

void TypeKey(Window& w, const std::string& key) {
  TopWidget* top = w.impl().top;
  if (!top || !top->windowHandle() || key.empty()) return;
  QString text = QString::fromStdString(key);
  int code = 0;
  switch (key[0]) {
    case '\b':
      code = Qt::Key_Backspace;
      break;
    case '\t':
      code = Qt::Key_Tab;
      break;
    case '\r':
      code = Qt::Key_Return;
      break;
    case '\x1b':
      code = Qt::Key_Escape;
      break;
    case '\x7f':
      code = Qt::Key_Delete;
      break;
    case '\x1c':
      code = Qt::Key_Left;
      text.clear();
      break;
    case '\x1d':
      code = Qt::Key_Right;
      text.clear();
      break;
    case '\x1e':
      code = Qt::Key_Up;
      text.clear();
      break;
    case '\x1f':
      code = Qt::Key_Down;
      text.clear();
      break;
    default:
      code = text.isEmpty() ? 0 : static_cast<int>(text.at(0).toUpper().unicode());
  }
  if (code == 0) return;
  qt_handleKeyEvent(top->windowHandle(), QEvent::KeyPress, code, Qt::NoModifier, text, false, 1);
  qt_handleKeyEvent(top->windowHandle(), QEvent::KeyRelease, code, Qt::NoModifier, text, false, 1);
}

void ClickCloseBox(Window& w) {
  // What the window system's close button does: a close request to the window.
  if (TopWidget* top = w.impl().top) top->close();
}

void TypeShortcut(Window& w, const std::string& keys) {
  TopWidget* top = w.impl().top;
  QKeySequence seq = QKeySequence::fromString(QString::fromStdString(keys));
  if (!top || !top->windowHandle() || seq.isEmpty()) return;
  QKeyCombination combo = seq[0];
  // Shortcuts belong to the active window.
  top->activateWindow();
  QCoreApplication::processEvents();
  int code = static_cast<int>(combo.key());
  Qt::KeyboardModifiers mods = combo.keyboardModifiers();
  qt_handleKeyEvent(top->windowHandle(), QEvent::KeyPress, code, mods, QString(), false, 1);
  qt_handleKeyEvent(top->windowHandle(), QEvent::KeyRelease, code, mods, QString(), false, 1);
}

namespace {
void DescribeMenu(const QList<QAction*>& actions, std::string* out) {
  bool first = true;
  for (QAction* a : actions) {
    if (!first) *out += "|";
    first = false;
    if (a->isSeparator()) {
      *out += "-";
      continue;
    }
    *out += a->text().toStdString();
    if (!a->shortcut().isEmpty())
      *out += "(" + a->shortcut().toString(QKeySequence::PortableText).toStdString() + ")";
    if (QMenu* sub = a->menu()) {
      *out += "[";
      DescribeMenu(sub->actions(), out);
      *out += "]";
    }
  }
}
}  // namespace

std::string DescribeMenuBar(Window& w) {
  QMenuBar* bar = w.impl().qtMenuBar;
  if (!bar) return "";
  std::string out;
  for (QAction* a : bar->actions()) {
    if (!out.empty()) out += " ";
    std::string one;
    DescribeMenu({a}, &one);
    out += one;
  }
  return out;
}

void ProcessEvents(int ms) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (ms > 0) {
    // A real wait in an event loop: the baton goes to other threads meanwhile.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int LabelTextWidth(const Control& c) {
  const Control::Impl& d = c.impl();
  if (d.kind != ControlKind::StaticText || d.multiline) return -1;
  const QString text = DisplayText(d.text);
  return WidestLine(LabelFont(d, text), text);
}

std::shared_ptr<Picture> Grab(Window& w) {
  ContentWidget* content = w.impl().content;
  QImage shot = content->grab().toImage();
  if (shot.size() != content->size()) shot = shot.scaled(content->size());
  auto pic = NewPicture(content->width(), content->height(), 32);
  QPainter p(&pic->impl().image);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, shot);
  return pic;
}

}  // namespace fw::testing
