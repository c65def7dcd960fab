// Windows: the top-level widget, its content area, the window list and the
// implicit instances.
#include "platform/ui/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "platform/ui/application.h"
#include "platform/ui/design_record.h"
#include "platform/ui/guarded.h"
#include "platform/ui/painter_graphics.h"
#include "platform/ui/qt_widgets.h"

namespace fw {

namespace {

// The window list and the implicit instances. The playback thread reaches
// the main window through its implicit instance, so both lists are locked.
std::mutex g_mutex;
std::vector<Window*> g_windows;  // creation order, closing ones included
std::vector<std::pair<std::string, Window*>> g_implicit;
unsigned long long g_nextSerial = 1;

bool IsLive(Window* w, unsigned long long serial) {
  std::lock_guard lock(g_mutex);
  return std::find(g_windows.begin(), g_windows.end(), w) != g_windows.end() &&
         w->impl().serial == serial;
}

void ForgetImplicit(Window* w) {
  std::lock_guard lock(g_mutex);
  std::erase_if(g_implicit, [w](const auto& e) { return e.second == w; });
}

// Drawing into the window's own layer shows at the next paint.
class WindowGraphics : public PainterGraphics {
 public:
  WindowGraphics(QImage* layer, QWidget* content)
      : PainterGraphics(layer, layer->width(), layer->height()), content_(content) {}
  void FillRect(int x, int y, int w, int h) override {
    PainterGraphics::FillRect(x, y, w, h);
    Changed();
  }
  void DrawRect(int x, int y, int w, int h) override {
    PainterGraphics::DrawRect(x, y, w, h);
    Changed();
  }
  void DrawPicture(const PictureRef& pic, int x, int y) override {
    PainterGraphics::DrawPicture(pic, x, y);
    Changed();
  }
  void DrawString(const std::string& text, int x, int y) override {
    PainterGraphics::DrawString(text, x, y);
    Changed();
  }

 private:
  void Changed() {
    if (content_) content_->update();
  }
  QPointer<QWidget> content_;
};

}  // namespace

// ---- Widgets.

ContentWidget::ContentWidget(Window::Impl* impl) : impl_(impl) { setFocusPolicy(Qt::NoFocus); }

void ContentWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), impl_->EraseColor());
  if (impl_->backdrop && !impl_->backdrop->impl().image.isNull())
    p.drawImage(0, 0, impl_->backdrop->impl().image);
  if (!impl_->layer.isNull()) p.drawImage(0, 0, impl_->layer);
}

void ContentWidget::mousePressEvent(QMouseEvent* e) {
  e->accept();
  QPoint pos = e->position().toPoint();
  impl_->mouseKnown = true;
  impl_->mouseX = pos.x();
  impl_->mouseY = pos.y();
  if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
  bool contextual = e->button() == Qt::RightButton || (e->modifiers() & Qt::ControlModifier);
  SetContextualClick(contextual);
  Window* self = impl_->self;
  detail::DeliverGuarded("handling a click on the window",
                         [&] { self->Event_MouseDown(pos.x(), pos.y()); });
  SetContextualClick(false);
}

TopWidget::TopWidget(Window::Impl* impl) : impl_(impl) { setFocusPolicy(Qt::StrongFocus); }

std::string KeyText(int qtKey, const QString& text) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return "\b";
    case Qt::Key_Tab:
      return "\t";
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "\r";
    case Qt::Key_Escape:
      return "\x1b";
    case Qt::Key_Delete:
      return "\x7f";
    case Qt::Key_Left:
      return "\x1c";
    case Qt::Key_Right:
      return "\x1d";
    case Qt::Key_Up:
      return "\x1e";
    case Qt::Key_Down:
      return "\x1f";
    default:
      return text.toStdString();
  }
}

void TopWidget::keyPressEvent(QKeyEvent* e) {
  std::string key = KeyText(e->key(), e->text());
  if (key.empty()) {
    QMainWindow::keyPressEvent(e);
    return;
  }
  e->accept();
  Window* self = impl_->self;
  detail::DeliverGuarded("handling a typed key", [&] { self->Event_KeyDown(key); });
}

void TopWidget::closeEvent(QCloseEvent* e) {
  // The window goes its own way: Close raises Event_Close, hides and destroys.
  e->ignore();
  Window* self = impl_->self;
  if (!impl_->closing) detail::DeliverGuarded("closing the window", [self] { self->Close(); });
}

QColor Window::Impl::EraseColor() const {
  if (hasBackColor) return ToQColor(backColor);
  return content ? content->palette().color(QPalette::Window) : QColor(Qt::white);
}

void Window::Impl::SyncSizeAndFlags() {
  if (!top) return;
  content->setFixedSize(std::max(width, 1), std::max(height, 1));
  top->setWindowTitle(ToQString(title));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeButton) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
  if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton) flags |= Qt::WindowMaximizeButtonHint;
  if (top->windowFlags() != flags) {
    bool shown = top->isVisible();
    top->setWindowFlags(flags);
    if (shown) top->show();
  }
  content->update();
}

// ---- Window.

Window::Window() : impl_(std::make_unique<Impl>()) {
  if (!qApp) {
    std::fprintf(stderr, "Taktora: a window was made before the GUI runtime started\n");
    std::abort();
  }
  impl_->self = this;
  impl_->top = new TopWidget(impl_.get());
  impl_->content = new ContentWidget(impl_.get());
  impl_->top->setCentralWidget(impl_->content);
  impl_->top->layout()->setSizeConstraint(QLayout::SetFixedSize);
  impl_->SyncSizeAndFlags();
  std::lock_guard lock(g_mutex);
  impl_->serial = g_nextSerial++;
  g_windows.push_back(this);
}

Window::~Window() {
  {
    std::lock_guard lock(g_mutex);
    std::erase(g_windows, this);
    std::erase_if(g_implicit, [this](const auto& e) { return e.second == this; });
  }
  impl_->controls.clear();
  impl_->ownGraphics.reset();
  delete impl_->top.data();
}

void Window::Construct() {
  if (impl_->constructed) return;
  impl_->constructed = true;
  Layout();
  CreateControls();
  // Open events in creation order; a handler may add controls, so by index.
  for (size_t i = 0; i < impl_->controls.size(); ++i) {
    Control& c = *impl_->controls[i];
    if (PlainHandler h = c.impl().onOpen) h(c);
  }
  Event_Open();
  if (impl_->visible && !impl_->closing) Show();
}

void Window::AddControl(std::unique_ptr<Control> c, std::string_view name, int index) {
  Control::Impl& ci = c->impl();
  ci.win = this;
  ci.name = std::string(name);
  ci.index = index;
  if (ci.widget) {
    ci.widget->setParent(impl_->content);
    ci.SyncGeometry();
    ci.SyncAppearance();
    ci.widget->setVisible(ci.visible);
    ci.widget->raise();
  }
  impl_->controls.push_back(std::move(c));
  impl_->byNameStale = true;
}

const std::vector<Control*>* Window::Impl::Named(std::string_view name) {
  if (byNameStale) {
    byName.clear();
    for (const auto& c : controls) byName[c->impl().name].push_back(c.get());
    byNameStale = false;
  }
  auto it = byName.find(std::string(name));
  return it == byName.end() ? nullptr : &it->second;
}

Control* Window::ControlByName(std::string_view name) const {
  const std::vector<Control*>* named = impl_->Named(name);
  return named ? named->front() : nullptr;
}

Control* Window::ControlByNameIndex(std::string_view name, int index) const {
  if (const std::vector<Control*>* named = impl_->Named(name))
    for (Control* c : *named)
      if (c->impl().index == index) return c;
  return nullptr;
}

int Window::ControlCount() const { return static_cast<int>(impl_->controls.size()); }

Control& Window::ControlAt(int i) const {
  if (i < 0 || i >= ControlCount()) {
    std::fprintf(stderr, "Taktora: window \"%s\" has no control number %d\n", impl_->title.c_str(),
                 i);
    std::abort();
  }
  return *impl_->controls[static_cast<size_t>(i)];
}

void Window::MissingControl(std::string_view name, int index) const {
  std::string what(name);
  if (index != kNoIndex) what += "(" + std::to_string(index) + ")";
  Control* c = index == kNoIndex ? ControlByName(name) : ControlByNameIndex(name, index);
  std::fprintf(stderr, "Taktora: window \"%s\": %s %s\n", impl_->title.c_str(), what.c_str(),
               c ? (std::string("is a ") + c->ClassName() + ", not the class asked for").c_str()
                 : "does not exist");
  std::abort();
}

void Window::SetBackdrop(PictureRef pic) {
  impl_->backdrop = std::move(pic);
  impl_->content->update();
}
const PictureRef& Window::Backdrop() const { return impl_->backdrop; }

void Window::SetMenuBar(MenuBar* bar) {
  impl_->menuBar = bar;
  QMenuBar* qbar = bar ? BuildQtMenuBar(bar, impl_->top) : nullptr;
  impl_->qtMenuBar = qbar;
  impl_->top->setMenuBar(qbar);
}
MenuBar* Window::GetMenuBar() const { return impl_->menuBar; }

void Window::ApplyRecord(std::string_view record) { fw::ApplyRecord(*this, record); }

bool Window::SetProperty(std::string_view name, const PropertyValue& v) {
  Impl& d = *impl_;
  bool ok;
  if (name == "Placement")
    ok = AsIntIn(v, &d.placement, 0, 100);
  else if (name == "Width")
    ok = AsIntIn(v, &d.width, 1, 32000);
  else if (name == "Height")
    ok = AsIntIn(v, &d.height, 1, 32000);
  else if (name == "MinWidth")
    ok = AsOptionalInt(v, &d.minWidth);
  else if (name == "MinHeight")
    ok = AsOptionalInt(v, &d.minHeight);
  else if (name == "MaxWidth")
    ok = AsOptionalInt(v, &d.maxWidth);
  else if (name == "MaxHeight")
    ok = AsOptionalInt(v, &d.maxHeight);
  else if (name == "Frame")
    ok = AsIntIn(v, &d.frame, INT32_MIN, INT32_MAX);
  else if (name == "MacProcID")
    ok = AsIntIn(v, &d.macProcID, INT32_MIN, INT32_MAX);
  else if (name == "Composite")
    ok = AsBool(v, &d.composite);
  else if (name == "HasBackColor")
    ok = AsBool(v, &d.hasBackColor);
  else if (name == "BackColor")
    ok = AsColor(v, &d.backColor);
  else if (name == "Title")
    ok = AsString(v, &d.title);
  else if (name == "Visible")
    ok = AsBool(v, &d.visible);
  else if (name == "FullScreen")
    ok = AsBool(v, &d.fullScreen);
  else if (name == "MenuBarVisible")
    ok = AsBool(v, &d.menuBarVisible);
  else if (name == "CloseButton")
    ok = AsBool(v, &d.closeButton);
  else if (name == "Resizeable")
    ok = AsBool(v, &d.resizeable);
  else if (name == "LiveResize")
    ok = AsBool(v, &d.liveResize);
  else if (name == "MaximizeButton")
    ok = AsBool(v, &d.maximizeButton);
  else if (name == "MinimizeButton")
    ok = AsBool(v, &d.minimizeButton);
  else if (name == "BalloonHelp")
    ok = AsString(v, &d.balloonHelp);
  else
    return false;
  if (ok) d.SyncSizeAndFlags();
  return ok;
}

int Window::Width() const { return impl_->width; }
int Window::Height() const { return impl_->height; }
const std::string& Window::Title() const { return impl_->title; }
Color Window::BackColor() const { return impl_->backColor; }
bool Window::Visible() const { return impl_->visible; }

int Window::MouseX() const {
  if (impl_->mouseKnown) return impl_->mouseX;
  return impl_->content->mapFromGlobal(QCursor::pos()).x();
}
int Window::MouseY() const {
  if (impl_->mouseKnown) return impl_->mouseY;
  return impl_->content->mapFromGlobal(QCursor::pos()).y();
}

Graphics& Window::OwnGraphics() {
  int w = std::max(impl_->width, 1), h = std::max(impl_->height, 1);
  if (!impl_->ownGraphics || impl_->layer.width() != w || impl_->layer.height() != h) {
    impl_->ownGraphics.reset();
    impl_->layer = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    impl_->layer.fill(Qt::transparent);
    impl_->ownGraphics = std::make_unique<WindowGraphics>(&impl_->layer, impl_->content);
  }
  return *impl_->ownGraphics;
}

void Window::Show() {
  if (impl_->closing) return;
  impl_->SyncSizeAndFlags();
  TopWidget* top = impl_->top;
  if (!top->isVisible()) {
    top->adjustSize();
    // Placement codes 1 to 3 centre the window on the screen; 0 leaves the
    // place to the window system.
    if (impl_->placement >= 1 && impl_->placement <= 3) {
      if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect avail = screen->availableGeometry();
        QSize size = top->sizeHint();
        top->move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
      }
    }
    top->show();
  }
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) top->raise();
  top->activateWindow();
}

void Window::Close() {
  if (impl_->closing) return;
  impl_->closing = true;
  ForgetImplicit(this);
  Event_Close();
  if (impl_->top) impl_->top->hide();
  Window* self = this;
  unsigned long long serial = impl_->serial;
  QTimer::singleShot(0, qApp, [self, serial] {
    if (IsLive(self, serial)) delete self;
  });
}

// ---- Window list and implicit instances.

Window* GetImplicitWindow(std::string_view className) {
  std::lock_guard lock(g_mutex);
  for (const auto& [name, w] : g_implicit)
    if (name == className) return w;
  return nullptr;
}

void RegisterImplicitWindow(std::string_view className, Window* w) {
  std::lock_guard lock(g_mutex);
  for (auto& e : g_implicit) {
    if (e.first == className) {
      e.second = w;
      return;
    }
  }
  g_implicit.emplace_back(std::string(className), w);
}

std::vector<Window*> OpenWindows() {
  std::lock_guard lock(g_mutex);
  std::vector<Window*> open;
  for (Window* w : g_windows)
    if (!w->impl().closing) open.push_back(w);
  return open;
}

void DestroyAllWindows() {
  for (;;) {
    Window* last = nullptr;
    {
      std::lock_guard lock(g_mutex);
      if (g_windows.empty()) return;
      last = g_windows.back();
    }
    delete last;  // unregisters itself
  }
}

}  // namespace fw
