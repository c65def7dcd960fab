// A named pipe that nobody writes to. A reader that opens it the blocking way
// would wait for ever; so after a deadline the pipe's watch keeps opening the
// writing end, which lets such a reader go on, and remembers that it had to:
// the test then fails instead of hanging.
#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace testsupport {

class UnwrittenPipe {
 public:
  explicit UnwrittenPipe(std::filesystem::path path) : path_(std::move(path)) {
    blocked_ = ::mkfifo(path_.c_str(), 0600) != 0;  // no pipe: fail, do not wait
    watch_ = std::thread([this] {
      using namespace std::chrono_literals;
      std::unique_lock lock(mutex_);
      std::chrono::milliseconds wait = 5s;
      for (; !stop_.wait_for(lock, wait, [this] { return stopping_; }); wait = 10ms) {
        // Opening without blocking succeeds only while a reader has the pipe open.
        const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
          ::close(fd);
          blocked_ = true;
        }
      }
    });
  }
  ~UnwrittenPipe() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    stop_.notify_all();
    watch_.join();
    ::unlink(path_.c_str());
  }
  UnwrittenPipe(const UnwrittenPipe&) = delete;
  UnwrittenPipe& operator=(const UnwrittenPipe&) = delete;

  // Whether a reader was found waiting in its open when the deadline passed.
  bool BlockedAReader() {
    std::lock_guard lock(mutex_);
    return blocked_;
  }

 private:
  std::filesystem::path path_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  bool blocked_;
  std::thread watch_;
};

}  // namespace testsupport
