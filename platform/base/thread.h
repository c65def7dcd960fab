// Cooperative threads. Program code on the main thread and on any Thread never
// runs at the same time: one baton is held by whoever runs program code. The
// main thread holds it from start-up and around every delivery of its event
// loop (events, timers, posted calls, deferred deletions), and lets it go
// while its event loop (or a modal dialog) waits; a Thread holds it from its
// start and lets it go only inside YieldToNextThread.
#pragma once
#include <memory>

namespace fw {

class Thread : public std::enable_shared_from_this<Thread> {
 public:
  Thread();
  virtual ~Thread();
  int Priority = 5;  // above 5 asks the system for a low-latency schedule
  // Starts Event_Run on a new thread and returns at once. The platform keeps
  // the object alive until Event_Run returns. Must be owned by a shared_ptr.
  void Run();
  bool IsRunning() const;
  virtual void Event_Run() = 0;
};

// Gives the baton to a waiting thread and takes it back.
void YieldToNextThread();

// The same, for a thread that polls a deadline: when nobody is waiting for
// the baton, sleeps (without the baton) until shortly before the microsecond
// clock reaches wakeAt, so a poll loop neither burns a core nor wakes late.
// Returns before wakeAt when another thread has held the baton and let it go
// meanwhile (program code may have changed what the loop waits for), so the
// loop reads its state again at once, and otherwise at least every 100 ms.
void YieldToNextThreadUntil(double wakeAtMicroseconds);

// Waits (without the baton) until every started Thread has returned.
void JoinAllThreads();

// The baton itself, for the platform's own dispatch code and for tests that
// drive program code from a plain std::thread.
class Baton {
 public:
  static void Acquire();
  static void Release();
  static bool HeldByThisThread();
};

// Holds the baton for a scope. Holds nest: each leaves the thread holding as
// it was before, so the baton is let go when the outermost one ends.
class BatonGuard {
 public:
  BatonGuard();
  ~BatonGuard();
  BatonGuard(const BatonGuard&) = delete;
  BatonGuard& operator=(const BatonGuard&) = delete;

 private:
  int before_;
};

// Lets the baton go wholly for a scope, however many holds this thread has,
// and takes them all back at the end: for waits and work that touch no
// program state (a modal dialog, decoding a sound file), so that the playback
// thread runs meanwhile.
class BatonReleased {
 public:
  BatonReleased();
  ~BatonReleased();
  BatonReleased(const BatonReleased&) = delete;
  BatonReleased& operator=(const BatonReleased&) = delete;

 private:
  int depth_;
};

}  // namespace fw
