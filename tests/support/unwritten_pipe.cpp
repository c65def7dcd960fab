#include "tests/support/unwritten_pipe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

namespace testsupport {

UnwrittenPipe::UnwrittenPipe(std::filesystem::path path, double deadlineSeconds)
    : path_(std::move(path)) {
  if (::mkfifo(path_.c_str(), 0600) == 0)
    watch_ = std::thread([this, deadlineSeconds] { Watch(deadlineSeconds); });
}

UnwrittenPipe::~UnwrittenPipe() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_all();
  if (watch_.joinable()) watch_.join();
  ::unlink(path_.c_str());
}

bool UnwrittenPipe::BlockedAReader() {
  std::lock_guard lock(mutex_);
  return blocked_ || !watch_.joinable();
}

void UnwrittenPipe::Watch(double deadlineSeconds) {
  using namespace std::chrono;
  std::unique_lock lock(mutex_);
  const auto deadline = steady_clock::now() + duration<double>(deadlineSeconds);
  if (stop_.wait_until(lock, deadline, [this] { return stopping_; })) return;
  // Opening the writing end without blocking succeeds only while a reader has
  // the pipe open.
  while (!stopping_) {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
      blocked_ = true;
    }
    stop_.wait_for(lock, milliseconds(10), [this] { return stopping_; });
  }
}

}  // namespace testsupport
