// Opening a file for reading that is surely a regular file, without ever
// blocking: a named pipe with no writer would hold up an ordinary open for
// good, and a pipe or a device never ends.
#pragma once
#include <sys/stat.h>

#include <filesystem>
#include <string>

namespace fw {

// A descriptor closed when it goes out of scope.
class UniqueFd {
 public:
  explicit UniqueFd(int fd = -1) : fd_(fd) {}
  ~UniqueFd();
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  UniqueFd& operator=(UniqueFd&&) = delete;
  int Get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Opens path for reading (close-on-exec, blocking reads) and fills st from
// what was opened. Anything but a regular file (a folder, pipe, socket or
// device) is refused; an empty UniqueFd comes back with a short reason in why.
UniqueFd OpenRegularFile(const std::filesystem::path& path, struct stat& st, std::string& why);

}  // namespace fw
