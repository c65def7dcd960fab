// A named pipe that nobody writes to. A reader that opens it the blocking way
// would wait for ever; so after a deadline the pipe's watch keeps opening the
// writing end, which lets such a reader go on, and remembers that it had to:
// the test then fails instead of hanging.
#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace testsupport {

class UnwrittenPipe {
 public:
  explicit UnwrittenPipe(std::filesystem::path path)
      : path_(std::move(path)), blocked_(::mkfifo(path_.c_str(), 0600) != 0) {
    watch_ = std::jthread([this](std::stop_token stop) {
      using namespace std::chrono_literals;
      std::mutex m;
      std::condition_variable_any cv;
      std::unique_lock lock(m);
      const auto stopped = [&stop] { return stop.stop_requested(); };
      for (auto wait = 5000ms; !cv.wait_for(lock, stop, wait, stopped); wait = 10ms) {
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
    watch_.request_stop();
    watch_.join();
    ::unlink(path_.c_str());
  }

  // Whether a reader was found waiting in its open when the deadline passed
  // (or there is no pipe).
  bool BlockedAReader() const { return blocked_; }

 private:
  std::filesystem::path path_;
  std::atomic<bool> blocked_;
  std::jthread watch_;
};

}  // namespace testsupport
