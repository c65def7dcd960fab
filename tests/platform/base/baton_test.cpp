#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/clock.h"
#include "platform/base/thread.h"

namespace {

TEST(Baton, HoldersNeverOverlapAndYieldHandsOverToTheWaitingThread) {
  std::vector<int> order;  // guarded only by the baton
  std::atomic<bool> overlap{false};
  {
    fw::BatonReleased released;  // as while the main thread's event loop waits
    std::atomic<int> arrived{0}, inside{0};
    auto work = [&](int id) {
      fw::Baton::Acquire();
      // The first to arrive hands the baton on until the other holds it once.
      ++arrived;
      while (arrived < 2) fw::YieldToNextThread();
      for (int i = 0; i < 50; ++i) {
        if (inside++ != 0) overlap = true;
        order.push_back(id);
        --inside;
        fw::YieldToNextThread();
      }
      fw::Baton::Release();
    };
    std::thread a(work, 1), b(work, 2);
    a.join();
    b.join();
  }
  EXPECT_FALSE(overlap);
  ASSERT_EQ(order.size(), 100u);
  for (size_t i = 1; i < order.size(); ++i) ASSERT_NE(order[i], order[i - 1]) << i;
}

TEST(Baton, HoldsNestAndBatonReleasedLetsGoOfAllOfThem) {
  fw::BatonReleased withoutIt;
  fw::YieldToNextThread();  // nothing to give: stays without it
  {
    fw::BatonGuard outer, inner;  // already held: no second acquisition
    fw::BatonReleased released;   // lets go of both holds: another thread gets in
    EXPECT_FALSE(fw::Baton::HeldByThisThread());
    std::thread([] { fw::BatonGuard g; }).join();
  }
  EXPECT_FALSE(fw::Baton::HeldByThisThread());
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

class Counter : public fw::Thread {
 public:
  std::atomic<int> passes{0};
  std::atomic<bool> heldInside{true}, stop{false};
  void Event_Run() override {
    while (!stop) {
      if (!fw::Baton::HeldByThisThread()) heldInside = false;
      ++passes;
      fw::YieldToNextThreadUntil(fw::Microseconds() + 200.0);
    }
  }
};

TEST(Thread, RunsOnceAtATimeHoldingTheBatonAndJoins) {
  auto t = std::make_shared<Counter>();
  for (int life = 0; life < 2; ++life) {  // the same object runs again after it returned
    t->stop = false;
    t->Run();
    t->Run();                 // already running: no second thread
    EXPECT_EQ(t->passes, 0);  // the main thread holds the baton
    {
      fw::BatonReleased released;
      for (const double end = fw::Microseconds() + 2e6; t->passes <= 5 && fw::Microseconds() < end;)
        std::this_thread::yield();
    }
    EXPECT_GT(t->passes, 5);
    t->stop = true;
    fw::JoinAllThreads();
    EXPECT_TRUE(fw::Baton::HeldByThisThread());
    EXPECT_FALSE(t->IsRunning());
    t->passes = 0;
  }
  EXPECT_TRUE(t->heldInside);
}

}  // namespace
