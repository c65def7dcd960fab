// Whether the GUI runtime can open a display, checked before Qt tries (Qt
// aborts the process when its platform plugin finds no display).
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/ui/qt_widgets.h"

namespace fw {

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Connects to a local X server's socket (abstract or in /tmp/.X11-unix).
bool LocalXServerAnswers(int number) {
  std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
  for (bool abstract : {true, false}) {
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;  // cannot tell: let Qt try
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    size_t offset = abstract ? 1 : 0;
    std::memcpy(addr.sun_path + offset, path.c_str(), path.size());
    socklen_t len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() +
                                           (abstract ? 0 : 1));
    bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0;
    close(fd);
    if (ok) return true;
  }
  return false;
}

}  // namespace

bool DisplayAvailable(std::string* why) {
  std::string qpa = Env("QT_QPA_PLATFORM");
  std::string display = Env("DISPLAY");
  std::string wayland = Env("WAYLAND_DISPLAY");
  if (StartsWith(qpa, "wayland")) {
    if (!wayland.empty()) return true;
    *why = "WAYLAND_DISPLAY is not set";
    return false;
  }
  if (!qpa.empty() && !StartsWith(qpa, "xcb")) return true;  // offscreen, vnc, ...
  if (qpa.empty() && !wayland.empty()) return true;
  if (display.empty()) {
    *why = "DISPLAY is not set";
    return false;
  }
  // A local display ":N" or ":N.S" can be checked without opening it.
  std::string local = StartsWith(display, "unix:") ? display.substr(4) : display;
  if (local.size() > 1 && local[0] == ':') {
    char* end = nullptr;
    long number = std::strtol(local.c_str() + 1, &end, 10);
    if (end != local.c_str() + 1 && number >= 0 && number < 100000 &&
        !LocalXServerAnswers(static_cast<int>(number))) {
      *why = "cannot open DISPLAY " + display;
      return false;
    }
  }
  return true;
}

}  // namespace fw
