#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/clock.h"
#include "platform/base/thread.h"
#include "platform/ui/testing.h"

namespace {

// Polls done() until it holds or two seconds passed.
template <typename F>
bool Eventually(F done) {
  const double deadline = fw::Microseconds() + 2e6;
  while (!done()) {
    if (fw::Microseconds() > deadline) return false;
    std::this_thread::yield();
  }
  return true;
}

// Runs the body with the main thread not holding the baton, as while its event
// loop waits.
template <typename F>
void WithoutBaton(F body) {
  fw::BatonReleased released;
  body();
}

TEST(Baton, HoldersNeverOverlap) {
  WithoutBaton([] {
    std::atomic<int> inside{0};
    std::atomic<bool> overlap{false};
    long counter = 0;  // guarded only by the baton
    auto work = [&] {
      fw::Baton::Acquire();
      for (int i = 0; i < 20000; ++i) {
        if (inside.fetch_add(1) != 0) overlap = true;
        ++counter;
        inside.fetch_sub(1);
        if (i % 7 == 0) fw::YieldToNextThread();
      }
      fw::Baton::Release();
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_FALSE(overlap);
    EXPECT_EQ(counter, 40000);
  });
}

TEST(Baton, YieldHandsOverToTheWaitingThread) {
  std::vector<int> order;
  WithoutBaton([&order] {
    std::atomic<int> arrived{0};
    auto work = [&](int id) {
      fw::Baton::Acquire();
      // The first to arrive hands the baton on until the other holds it once.
      ++arrived;
      while (arrived < 2) fw::YieldToNextThread();
      for (int i = 0; i < 50; ++i) {
        order.push_back(id);
        fw::YieldToNextThread();
      }
      fw::Baton::Release();
    };
    std::thread a(work, 1), b(work, 2);
    a.join();
    b.join();
  });
  ASSERT_EQ(order.size(), 100u);
  std::string seen;
  for (int id : order) seen += static_cast<char>('0' + id);
  for (size_t i = 1; i < order.size(); ++i) ASSERT_NE(order[i], order[i - 1]) << seen;
}

TEST(Baton, GuardAndYieldWithoutTheBaton) {
  WithoutBaton([] {
    EXPECT_FALSE(fw::Baton::HeldByThisThread());
    fw::YieldToNextThread();  // nothing to give: stays without it
    EXPECT_FALSE(fw::Baton::HeldByThisThread());
    {
      fw::BatonGuard outer;
      EXPECT_TRUE(fw::Baton::HeldByThisThread());
      {
        fw::BatonGuard inner;        // already held: no second acquisition
        fw::BatonReleased released;  // lets go of both holds: another thread gets in
        EXPECT_FALSE(fw::Baton::HeldByThisThread());
        std::thread([] { fw::BatonGuard g; }).join();
      }
      EXPECT_TRUE(fw::Baton::HeldByThisThread());
    }
    EXPECT_FALSE(fw::Baton::HeldByThisThread());
  });
}

TEST(Baton, YieldUntilWakesAtTheDeadlineWithoutTheBaton) {
  fw::BatonGuard hold;
  std::atomic<bool> started{false}, otherRan{false};
  std::thread other([&] {
    started = true;
    fw::BatonGuard g;  // gets in only while the waiter has let go
    otherRan = true;
  });
  ASSERT_TRUE(Eventually([&] { return started.load(); }));
  EXPECT_FALSE(otherRan);
  EXPECT_TRUE(Eventually([&] {
    fw::YieldToNextThreadUntil(fw::Microseconds() + 1500.0);
    return otherRan.load();
  }));
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
  WithoutBaton([&] { other.join(); });

  std::vector<double> late;
  for (int i = 0; i < 20; ++i) {
    const double wakeAt = fw::Microseconds() + 1500.0;
    fw::YieldToNextThreadUntil(wakeAt);
    const double now = fw::Microseconds();
    ASSERT_GE(now, wakeAt);
    late.push_back(now - wakeAt);
  }
#if !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
  std::sort(late.begin(), late.end());
  EXPECT_LT(late[late.size() / 2], 500.0);  // generous: the benchmark measures precisely
#endif
}

TEST(Baton, YieldUntilReturnsAsSoonAsProgramCodeRanElsewhere) {
  WithoutBaton([] {
    bool stop = false;  // guarded only by the baton, like the playback flags
    std::atomic<int> passes{0};
    std::atomic<double> stoppedAt{0}, noticedAt{0};
    std::thread waiter([&] {
      fw::BatonGuard g;
      const double deadline = fw::Microseconds() + 2e6;
      while (!stop) {
        ++passes;
        fw::YieldToNextThreadUntil(deadline);
      }
      noticedAt = fw::Microseconds();
    });
    ASSERT_TRUE(Eventually([&] { return passes > 0; }));  // the waiter is in its wait
    {
      fw::BatonGuard g;  // an event handler stops playback
      stop = true;
      stoppedAt = fw::Microseconds();
    }
    waiter.join();
    // Asleep until the change, not waking on its own meanwhile...
    EXPECT_LE(passes, 2);
    // ...and back as soon as the handler let go, long before the deadline.
    EXPECT_LT(noticedAt - stoppedAt, 20000.0);
  });
}

TEST(Baton, WaitingThreadsDoNotWakeEachOther) {
  WithoutBaton([] {
    std::atomic<int> passes{0};
    const double deadline = fw::Microseconds() + 300000.0;
    auto wait = [&] {
      fw::BatonGuard g;
      while (fw::Microseconds() < deadline) {
        ++passes;
        fw::YieldToNextThreadUntil(deadline);
      }
    };
    std::thread a(wait), b(wait);
    a.join();
    b.join();
    EXPECT_LT(passes, 20);
  });
}

TEST(Baton, MainEventLoopLetsGoOnlyWhileItWaits) {
  ASSERT_TRUE(fw::Baton::HeldByThisThread());
  std::atomic<bool> started{false}, ran{false};
  std::thread other([&] {
    started = true;
    fw::BatonGuard g;
    ran = true;
  });
  ASSERT_TRUE(Eventually([&] { return started.load(); }));
  EXPECT_FALSE(ran);  // the main thread handles an event: nobody else runs
  EXPECT_TRUE(Eventually([&] {
    fw::testing::ProcessEvents(5);  // the loop waits: the other thread gets in
    return ran.load();
  }));
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
  fw::testing::ProcessEvents(0);
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
  WithoutBaton([&] { other.join(); });
}

// The main loop delivers timers, posted calls and deferred deletions while it
// waits, some with no wake-up of its dispatcher before them: program code in
// every one of them holds the baton.
TEST(Baton, MainThreadHoldsItInEveryDelivery) {
  std::vector<std::string> without;
  auto check = [&without](const char* what) {
    if (!fw::Baton::HeldByThisThread()) without.emplace_back(what);
  };
  struct Probe : QObject {
    std::function<void()> gone;
    ~Probe() override { gone(); }
  };
  QEventLoop loop;
  QTimer::singleShot(1, [&] {
    check("timer");
    QMetaObject::invokeMethod(
        qApp,
        [&] {
          check("posted call");
          auto* probe = new Probe;
          probe->gone = [&] {
            check("deferred delete");
            loop.quit();
          };
          probe->deleteLater();
        },
        Qt::QueuedConnection);
  });
  loop.exec();
  EXPECT_EQ(without, std::vector<std::string>{});
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
}

// Qt's own threads deliver events too; they run no program code and must not
// wait for the baton (the main thread may be waiting for them). What the
// worker finds goes through atomics: Qt's event queue synchronises in ways
// the thread sanitizer cannot see.
std::atomic<bool> g_delivered{false}, g_heldThere{false};

struct Receiver : QObject {
  void customEvent(QEvent*) override {
    g_heldThere = fw::Baton::HeldByThisThread();
    g_delivered = true;
  }
};

TEST(Baton, OtherThreadsDeliverWithoutIt) {
  ASSERT_TRUE(fw::Baton::HeldByThisThread());
  QThread worker;
  auto* there = new Receiver;  // made before the thread starts, deleted on it
  there->moveToThread(&worker);
  QObject::connect(&worker, &QThread::finished, there, &QObject::deleteLater);
  worker.start();
  QCoreApplication::postEvent(there, new QEvent(QEvent::User));
  EXPECT_TRUE(Eventually([] { return g_delivered.load(); }));
  EXPECT_FALSE(g_heldThere);
  WithoutBaton([&] {
    worker.quit();
    worker.wait();
  });
}

class Counter : public fw::Thread {
 public:
  std::atomic<int> passes{0};
  std::atomic<bool> heldInside{true};
  std::atomic<bool> stop{false};
  void Event_Run() override {
    while (!stop) {
      if (!fw::Baton::HeldByThisThread()) heldInside = false;
      ++passes;
      fw::YieldToNextThreadUntil(fw::Microseconds() + 200.0);
    }
  }
};

TEST(Thread, RunsCooperativelyAndJoins) {
  fw::BatonGuard hold;
  auto t = std::make_shared<Counter>();
  t->Priority = 9;
  t->Run();
  EXPECT_TRUE(t->IsRunning());
  t->Run();                 // already running: no second thread
  EXPECT_EQ(t->passes, 0);  // the main thread holds the baton
  WithoutBaton([&] { EXPECT_TRUE(Eventually([&] { return t->passes > 5; })); });
  t->stop = true;
  fw::JoinAllThreads();
  EXPECT_TRUE(fw::Baton::HeldByThisThread());
  EXPECT_FALSE(t->IsRunning());
  EXPECT_TRUE(t->heldInside);

  // The same object runs again after it returned.
  t->stop = false;
  t->Run();
  EXPECT_TRUE(t->IsRunning());
  t->stop = true;
  fw::JoinAllThreads();
  EXPECT_FALSE(t->IsRunning());
}

}  // namespace
