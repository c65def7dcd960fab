// The application object, the runtime, the event loop and the menus.
#include "platform/ui/application.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/base/main_thread.h"
#include "platform/ui/guarded.h"
#include "platform/ui/qt_widgets.h"
#include "platform/ui/testing.h"
#include "platform/ui/window.h"

namespace fw {

namespace {

struct AppState {
  MenuBar* menuBar = nullptr;
  std::map<std::string, std::function<bool()>, std::less<>> handlers;
};

std::map<const Application*, AppState> g_apps;
Application* g_appObject = nullptr;
bool g_quitRequested = false;
bool g_running = false;  // inside Run's event loop
int g_exitCode = 0;
testing::URLOpener g_urlOpener;

const MenuItem* FindItem(const MenuItem& in, std::string_view name) {
  for (int i = 0; i < in.Count(); ++i) {
    const MenuItem& item = in.Item(i);
    if (item.Name == name) return &item;
    if (const MenuItem* found = FindItem(item, name)) return found;
  }
  return nullptr;
}

// The item of that name in the application's menu bar or in any window's.
const MenuItem* FindMenuItem(std::string_view name) {
  if (g_appObject) {
    if (MenuBar* bar = g_apps[g_appObject].menuBar)
      if (const MenuItem* item = FindItem(*bar, name)) return item;
  }
  for (Window* w : OpenWindows()) {
    if (MenuBar* bar = w->GetMenuBar())
      if (const MenuItem* item = FindItem(*bar, name)) return item;
  }
  return nullptr;
}

const std::function<bool()>* HandlerFor(std::string_view name) {
  if (!g_appObject) return nullptr;
  auto& handlers = g_apps[g_appObject].handlers;
  auto it = handlers.find(name);
  return it == handlers.end() ? nullptr : &it->second;
}

// The standard Edit items act on the text field that has the keyboard focus.
QLineEdit* FocusedField() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

bool EditItemApplies(std::string_view name) {
  QLineEdit* field = FocusedField();
  if (!field || !field->isEnabled()) return false;
  bool writable = !field->isReadOnly();
  if (name == "EditUndo") return writable && field->isUndoAvailable();
  if (name == "EditCut" || name == "EditClear") return writable && field->hasSelectedText();
  if (name == "EditCopy") return field->hasSelectedText();
  if (name == "EditPaste") return writable;
  if (name == "EditSelectAll") return !field->text().isEmpty();
  return false;
}

bool RunEditItem(std::string_view name) {
  if (!EditItemApplies(name)) return false;
  QLineEdit* field = FocusedField();
  if (name == "EditUndo")
    field->undo();
  else if (name == "EditCut")
    field->cut();
  else if (name == "EditClear")
    field->del();
  else if (name == "EditCopy")
    field->copy();
  else if (name == "EditPaste")
    field->paste();
  else if (name == "EditSelectAll")
    field->selectAll();
  return true;
}

bool CanRun(const std::string& name, bool isQuit) {
  return isQuit || HandlerFor(name) || EditItemApplies(name);
}

bool RunMenuItem(const std::string& name, bool isQuit) {
  if (const std::function<bool()>* handler = HandlerFor(name)) {
    std::function<bool()> h = *handler;  // the handler may change the bindings
    detail::DeliverGuarded("carrying out the menu item " + name, h);
    return true;
  }
  if (isQuit) {
    Quit(0);
    return true;
  }
  return RunEditItem(name);
}

QKeySequence ShortcutFor(const std::string& text) {
  if (text.empty()) return QKeySequence();
  QStringList parts = ToQString(text).split(QLatin1Char('+'));
  for (QString& part : parts) {
    if (part.compare(QLatin1String("Cmd"), Qt::CaseInsensitive) == 0)
      part = "Ctrl";
    else if (part.compare(QLatin1String("Option"), Qt::CaseInsensitive) == 0)
      part = "Alt";
  }
  return QKeySequence::fromString(parts.join(QLatin1Char('+')), QKeySequence::PortableText);
}

void AddItems(QWidget* menu, const MenuItem& parent);

void AddItem(QWidget* menu, const MenuItem& item) {
  if (item.Text == "-") {
    if (auto* m = qobject_cast<QMenu*>(menu)) m->addSeparator();
    return;
  }
  QString text = ToQString(item.Text);
  if (item.Count() > 0) {
    QMenu* sub = new QMenu(text, menu);
    AddItems(sub, item);
    if (auto* m = qobject_cast<QMenu*>(menu))
      m->addMenu(sub);
    else if (auto* bar = qobject_cast<QMenuBar*>(menu))
      bar->addMenu(sub);
    // Items show as available only when choosing them does something.
    QObject::connect(sub, &QMenu::aboutToShow, sub, [sub] {
      for (QAction* a : sub->actions()) {
        if (a->menu() || a->isSeparator()) continue;
        a->setEnabled(CanRun(a->data().toString().toStdString(), a->property("quit").toBool()));
      }
    });
    // Shortcuts find the actions enabled and check when they run.
    QObject::connect(sub, &QMenu::aboutToHide, sub, [sub] {
      for (QAction* a : sub->actions()) a->setEnabled(true);
    });
    return;
  }
  QAction* action = new QAction(text, menu);
  action->setData(ToQString(item.Name));
  bool isQuit = dynamic_cast<const QuitMenuItem*>(&item) != nullptr;
  action->setProperty("quit", isQuit);
  action->setShortcut(ShortcutFor(item.KeyboardShortcut));
  if (isQuit) action->setMenuRole(QAction::QuitRole);
  std::string name = item.Name;
  QObject::connect(action, &QAction::triggered, action,
                   [name, isQuit] { RunMenuItem(name, isQuit); });
  menu->addAction(action);
}

void AddItems(QWidget* menu, const MenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) AddItem(menu, parent.Item(i));
}

// Program code runs in event handlers, timers, posted calls and deferred
// deletions, all of which Qt delivers here: each holds the baton, whether or
// not the dispatcher said it woke first.
class TaktoraApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    detail::DeliveryHold hold;
    return QApplication::notify(receiver, event);
  }
};

// Gives the baton to the main thread and lets it go whenever the main event
// loop (or the loop of a modal dialog) is about to wait. Called once the
// QApplication exists.
void InstallMainThreadBaton() {
  detail::BecomeMainThread();
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (!dispatcher) return;
  QObject::connect(
      dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher,
      [] { detail::LetGoWhileWaiting(); }, Qt::DirectConnection);
  QObject::connect(
      dispatcher, &QAbstractEventDispatcher::awake, dispatcher, [] { detail::TakeBackOnWaking(); },
      Qt::DirectConnection);
}

}  // namespace

QMenuBar* BuildQtMenuBar(MenuBar* bar, QWidget* parent) {
  auto* qbar = new QMenuBar(parent);
  if (bar) AddItems(qbar, *bar);
  return qbar;
}

// ---- MenuItem.

MenuItem::MenuItem() = default;
MenuItem::~MenuItem() = default;

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
  if (item) children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(std::string_view name) const {
  for (const auto& c : children_)
    if (c->Name == name) return c.get();
  return nullptr;
}

int MenuItem::Count() const { return static_cast<int>(children_.size()); }

MenuItem& MenuItem::Item(int i) const {
  if (i < 0 || i >= Count()) {
    std::fprintf(stderr, "Taktora: menu \"%s\" has no item number %d\n", Name.c_str(), i);
    std::abort();
  }
  return *children_[static_cast<size_t>(i)];
}

// ---- Application.

Application::Application() { g_apps[this]; }
Application::~Application() {
  g_apps.erase(this);
  if (g_appObject == this) g_appObject = nullptr;
}

void Application::SetMenuBar(MenuBar* bar) { g_apps[this].menuBar = bar; }
MenuBar* Application::GetMenuBar() const {
  auto it = g_apps.find(this);
  return it == g_apps.end() ? nullptr : it->second.menuBar;
}

void Application::AddMenuHandler(std::string_view itemName, std::function<bool()> action) {
  g_apps[this].handlers[std::string(itemName)] = std::move(action);
}

bool Application::ChooseMenuItem(std::string_view itemName) {
  const MenuItem* item = FindMenuItem(itemName);
  if (!item) return false;
  return RunMenuItem(item->Name, dynamic_cast<const QuitMenuItem*>(item) != nullptr);
}

int Application::Run() {
  // A Quit before Run ends it at once; each Run consumes one Quit.
  if (!g_quitRequested && qApp) {
    g_running = true;
    QApplication::exec();
    g_running = false;
  }
  g_quitRequested = false;
  return g_exitCode;
}

void RegisterAppObject(Application* app) { g_appObject = app; }
Application* AppObject() { return g_appObject; }

void Quit(int code) {
  g_quitRequested = true;
  g_exitCode = code;
  // Outside the loop Qt's exit would make every later event loop (a test's
  // wait, a dialog) return at once, so it is only asked while Run runs.
  if (qApp && g_running) QCoreApplication::exit(code);
}

void ShowURL(const std::string& url) {
  if (url.empty()) return;
  if (g_urlOpener) {
    g_urlOpener(url);
    return;
  }
  QUrl u = QUrl::fromUserInput(ToQString(url));
  if (u.isValid()) QDesktopServices::openUrl(u);
}

namespace testing {
void SetURLOpener(URLOpener opener) { g_urlOpener = std::move(opener); }
}  // namespace testing

// ---- Runtime.

bool RuntimeInit(int& argc, char** argv) {
  if (qApp) return true;
  std::string why;
  if (!DisplayAvailable(&why)) {
    std::fprintf(stderr, "Taktora needs a graphical desktop: no display found (%s).\n",
                 why.c_str());
    return false;
  }
  auto* app = new TaktoraApplication(argc, argv);
  app->setApplicationName(QStringLiteral("Taktora"));
  app->setQuitOnLastWindowClosed(false);
  g_quitRequested = false;
  g_exitCode = 0;
  InstallMainThreadBaton();
  return true;
}

void RuntimeExit() {
  if (!qApp) return;
  DestroyAllWindows();
  delete qApp;
}

}  // namespace fw
