// The baton that keeps program code cooperative, and the program's threads.
#include "platform/base/thread.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/base/clock.h"
#include "platform/base/main_thread.h"

namespace fw {

namespace {

// A ticket lock: whoever asked first gets the baton next, so a thread that
// lets go and asks again always lets a waiting thread in first.
class FairBaton {
 public:
  void Acquire() {
    std::unique_lock lock(mutex_);
    const uint64_t ticket = next_++;
    changed_.wait(lock, [&] { return serving_ == ticket; });
  }
  void Release() {
    {
      std::lock_guard lock(mutex_);
      ++serving_;
    }
    changed_.notify_all();
  }
  // Lets go and queues again in one step, so every thread already waiting
  // gets the baton before this one has it back.
  void Yield() {
    std::unique_lock lock(mutex_);
    ++serving_;
    const uint64_t ticket = next_++;
    if (serving_ == ticket) return;  // nobody was waiting
    changed_.notify_all();
    changed_.wait(lock, [&] { return serving_ == ticket; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  uint64_t next_ = 0;
  uint64_t serving_ = 0;
};

FairBaton& TheBaton() {
  static FairBaton baton;
  return baton;
}

// Counts the times the baton was let go by code that may have changed what a
// thread waiting in YieldToNextThreadUntil is waiting for, and wakes such
// threads when it moves.
class ChangeSignal {
 public:
  uint64_t Count() {
    std::lock_guard lock(mutex_);
    return count_;
  }
  void Notify() {
    {
      std::lock_guard lock(mutex_);
      ++count_;
      if (sleepers_ == 0) return;
    }
    changed_.notify_all();
  }
  // Sleeps until CLOCK_MONOTONIC reaches untilMicroseconds or the count moves
  // past seen. Returns whether it moved.
  bool WaitUntil(uint64_t seen, double untilMicroseconds) {
    // steady_clock is CLOCK_MONOTONIC, the clock Microseconds() reads, and a
    // wait on it sleeps on that clock.
    const auto until = std::chrono::steady_clock::time_point(
        std::chrono::nanoseconds(static_cast<int64_t>(untilMicroseconds * 1e3)));
    std::unique_lock lock(mutex_);
    ++sleepers_;
    const bool moved = changed_.wait_until(lock, until, [&] { return count_ != seen; });
    --sleepers_;
    return moved;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  uint64_t count_ = 0;
  int sleepers_ = 0;
};

ChangeSignal& TheChangeSignal() {
  static ChangeSignal signal;
  return signal;
}

// How many holds this thread has on the baton (deliveries nested in a modal
// loop, guards): it has the baton exactly while this is above zero.
thread_local int depth = 0;
// The depth put aside while the main event loop waits; taken back when the
// loop wakes or delivers anything.
thread_local int parked = 0;
thread_local bool isMainThread = false;

void TakeWithDepth(int d) {
  if (depth == 0) TheBaton().Acquire();
  depth = d;
}

void LetGoWholly() {
  if (depth == 0) return;
  depth = 0;
  TheBaton().Release();
  TheChangeSignal().Notify();
}

void Unpark() {
  if (parked == 0) return;
  const int d = parked;
  parked = 0;
  TakeWithDepth(d);
}

// Adds a hold and returns the depth to go back to when it ends.
int HoldOnceMore() {
  Unpark();
  const int before = depth;
  TakeWithDepth(before + 1);
  return before;
}

// Ends a hold: the thread is left holding as it was before it, whatever was
// let go or taken back inside.
void BackTo(int before) {
  parked = 0;
  if (before == 0)
    LetGoWholly();
  else
    TakeWithDepth(before);
}

struct Running {
  std::shared_ptr<Thread> object;
  std::shared_ptr<std::atomic<bool>> running;
  std::thread thread;
};

std::mutex& RegistryMutex() {
  static std::mutex m;
  return m;
}
std::vector<Running>& Registry() {
  static std::vector<Running> r;
  return r;
}

void AskForLowLatency() {
  // Wake from sleeps on time rather than up to 50 µs late.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  // A real-time schedule needs privileges the program may not have; without
  // them the thread keeps the normal schedule.
  sched_param param{};
  param.sched_priority = sched_get_priority_min(SCHED_FIFO) + 10;
  pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
}

inline void CpuRelax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

// Reaps threads whose Event_Run has returned (their std::thread only needs a join).
void ReapFinished() {
  std::vector<Running> done;
  {
    std::lock_guard lock(RegistryMutex());
    auto& reg = Registry();
    for (auto it = reg.begin(); it != reg.end();) {
      if (!it->running->load()) {
        done.push_back(std::move(*it));
        it = reg.erase(it);
      } else {
        ++it;
      }
    }
  }
  for (auto& r : done) {
    if (r.thread.joinable()) r.thread.join();
  }
}

}  // namespace

// ---- Baton

void Baton::Acquire() {
  Unpark();
  if (depth == 0) TakeWithDepth(1);
}

void Baton::Release() {
  parked = 0;
  LetGoWholly();
}

bool Baton::HeldByThisThread() { return depth > 0; }

BatonGuard::BatonGuard() : before_(HoldOnceMore()) {}
BatonGuard::~BatonGuard() { BackTo(before_); }

BatonReleased::BatonReleased() : depth_(depth + parked) {
  parked = 0;
  LetGoWholly();
}

BatonReleased::~BatonReleased() { BackTo(depth_); }

void YieldToNextThread() {
  if (depth == 0) {
    std::this_thread::yield();
    return;
  }
  TheBaton().Yield();
  // Whatever ran before the yield may matter to a sleeping waiter.
  TheChangeSignal().Notify();
}

// How far before the deadline a long wait stops sleeping and starts watching
// the clock: covers the wake-up latency of a timed sleep.
constexpr double kSpinMargin = 200.0;
// Waits longer than this sleep; shorter ones watch the clock.
constexpr double kSleepThreshold = 300.0;
// Longest single sleep. A waiting loop is woken as soon as the baton is let go
// after program code ran elsewhere, so this only bounds how long a change the
// baton never saw (a flag set by a plain thread) can go unnoticed.
constexpr double kMaxSleep = 100000.0;
// How long before the deadline the baton is taken back.
constexpr double kTakeBackEarly = 5.0;

void YieldToNextThreadUntil(double wakeAtMicroseconds) {
  const int had = depth;
  double now = Microseconds();
  if (wakeAtMicroseconds <= now) {
    YieldToNextThread();
    return;
  }
  // Read while still holding the baton: any program code that runs after this
  // thread lets go moves the count when its thread lets go in turn.
  ChangeSignal& signal = TheChangeSignal();
  const uint64_t seen = signal.Count();
  // Letting go here does not wake other waiters: a thread that does nothing
  // but wait would otherwise keep every other waiter awake, and they it.
  if (had) {
    depth = 0;
    TheBaton().Release();
  }
  const double remaining = wakeAtMicroseconds - now;
  if (remaining > kSleepThreshold) {
    const bool capped = remaining - kSpinMargin > kMaxSleep;
    const double until = capped ? now + kMaxSleep : wakeAtMicroseconds - kSpinMargin;
    // A change elsewhere (a stop, a new tempo) returns at once so the caller
    // reads it again.
    if (signal.WaitUntil(seen, until) || capped) {
      if (had) TakeWithDepth(had);
      return;
    }
  }
  // The last stretch: watch the clock without the baton, take the baton back
  // just before the deadline (taking it costs about a microsecond, which the
  // caller would otherwise find added to every wait) and watch the rest
  // holding it.
  while (Microseconds() < wakeAtMicroseconds - kTakeBackEarly) CpuRelax();
  if (had) TakeWithDepth(had);
  while (Microseconds() < wakeAtMicroseconds) CpuRelax();
}

// ---- Thread

Thread::Thread() = default;
Thread::~Thread() = default;

bool Thread::IsRunning() const {
  std::lock_guard lock(RegistryMutex());
  for (const auto& r : Registry()) {
    if (r.object.get() == this && r.running->load()) return true;
  }
  return false;
}

void Thread::Run() {
  ReapFinished();
  std::shared_ptr<Thread> self = weak_from_this().lock();
  if (!self) {
    std::fprintf(stderr, "Thread::Run: the thread object is not owned by a shared_ptr\n");
    return;
  }
  if (IsRunning()) return;
  auto running = std::make_shared<std::atomic<bool>>(true);
  const bool lowLatency = Priority > 5;
  std::lock_guard lock(RegistryMutex());
  Registry().push_back(Running{self, running, std::thread([self, running, lowLatency] {
                                 if (lowLatency) AskForLowLatency();
                                 Baton::Acquire();
                                 try {
                                   self->Event_Run();
                                 } catch (const std::exception& e) {
                                   std::fprintf(stderr, "Thread ended by an error: %s\n", e.what());
                                 } catch (...) {
                                   std::fprintf(stderr, "Thread ended by an unknown error\n");
                                 }
                                 Baton::Release();
                                 running->store(false);
                               })});
}

void JoinAllThreads() {
  BatonReleased released;
  for (;;) {
    std::vector<Running> all;
    {
      std::lock_guard lock(RegistryMutex());
      auto& reg = Registry();
      for (auto it = reg.begin(); it != reg.end();) {
        // A thread cannot wait for itself.
        if (it->thread.get_id() == std::this_thread::get_id()) {
          ++it;
        } else {
          all.push_back(std::move(*it));
          it = reg.erase(it);
        }
      }
    }
    if (all.empty()) break;
    for (auto& r : all) {
      if (r.thread.joinable()) r.thread.join();
    }
  }
}

// ---- The main thread

namespace detail {

void BecomeMainThread() {
  isMainThread = true;
  Baton::Acquire();
}

void LetGoWhileWaiting() {
  if (depth == 0) return;
  parked = depth;
  LetGoWholly();
}

void TakeBackOnWaking() { Unpark(); }

bool OnMainThread() { return isMainThread; }

DeliveryHold::DeliveryHold() : before_(isMainThread ? HoldOnceMore() : -1) {}

DeliveryHold::~DeliveryHold() {
  if (before_ >= 0) BackTo(before_);
}

}  // namespace detail

}  // namespace fw
