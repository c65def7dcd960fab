// A named pipe that nobody writes to. A reader that opens it the blocking way
// would wait for ever; so after a deadline the pipe's watch opens the writing
// end once, which lets such a reader go on, and remembers that it had to: the
// test then fails instead of hanging.
#pragma once
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace testsupport {

class UnwrittenPipe {
 public:
  explicit UnwrittenPipe(std::filesystem::path path, double deadlineSeconds = 5.0);
  ~UnwrittenPipe();  // ends the watch and removes the pipe
  UnwrittenPipe(const UnwrittenPipe&) = delete;
  UnwrittenPipe& operator=(const UnwrittenPipe&) = delete;

  // Whether a reader was found waiting in its open when the deadline passed.
  bool BlockedAReader();

 private:
  void Watch(double deadlineSeconds);

  std::filesystem::path path_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  bool blocked_ = false;
  std::thread watch_;
};

}  // namespace testsupport
