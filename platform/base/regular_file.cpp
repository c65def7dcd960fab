#include "platform/base/regular_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fw {
namespace {

std::string NotRegular(const struct stat& st) {
  return S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file";
}

}  // namespace

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

UniqueFd OpenRegularFile(const std::filesystem::path& path, struct stat& st, std::string& why) {
  // Looked at first so that a device is not even opened (opening some does
  // something); the check after the open is the one that counts.
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    why = NotRegular(st);
    return UniqueFd();
  }
  // Non-blocking, so that a pipe put in the file's place meanwhile cannot
  // hold up the open.
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) {
    why = std::strerror(errno);
    return UniqueFd();
  }
  if (::fstat(fd.Get(), &st) != 0) {
    why = std::strerror(errno);
    return UniqueFd();
  }
  if (!S_ISREG(st.st_mode)) {
    why = NotRegular(st);
    return UniqueFd();
  }
  const int flags = ::fcntl(fd.Get(), F_GETFL);
  if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
    why = std::strerror(errno);
    return UniqueFd();
  }
  return fd;
}

}  // namespace fw
