// How late a thread polling a deadline with YieldToNextThreadUntil wakes, and
// how much processor time the waiting costs, as the playback thread waits for
// its steps. Prints name: value lines.
#include <pthread.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/measure.h"
#include "platform/base/clock.h"
#include "platform/base/thread.h"

namespace {

using bench::Percentile;

double CpuMicroseconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + usage.ru_utime.tv_usec +
         usage.ru_stime.tv_usec;
}

class Poller : public fw::Thread {
 public:
  std::vector<double> late;
  double cpuPercent = 0;
  bool realtime = false;
  void Event_Run() override {
    int policy = 0;
    sched_param param{};
    pthread_getschedparam(pthread_self(), &policy, &param);
    realtime = policy == SCHED_FIFO || policy == SCHED_RR;
    const double interval = 20000.0;  // a step every 20 ms
    const int steps = 150;
    const double cpuStart = CpuMicroseconds();
    const double start = fw::Microseconds();
    double due = start + interval;
    for (int i = 0; i < steps; ++i) {
      // The playback loop: poll the clock, yield until the step is due.
      for (;;) {
        const double now = fw::Microseconds();
        if (now >= due) {
          late.push_back(now - due);
          break;
        }
        fw::YieldToNextThreadUntil(due);
      }
      due += interval;
    }
    const double wall = fw::Microseconds() - start;
    cpuPercent = 100.0 * (CpuMicroseconds() - cpuStart) / wall;
  }
};

}  // namespace

int main() {
  auto poller = std::make_shared<Poller>();
  poller->Priority = 10;
  poller->Run();
  fw::JoinAllThreads();
  std::printf("wake_late_p50_us: %.1f\n", Percentile(poller->late, 0.50));
  std::printf("wake_late_p99_us: %.1f\n", Percentile(poller->late, 0.99));
  std::printf("wake_late_max_us: %.1f\n", Percentile(poller->late, 1.0));
  std::printf("realtime_schedule: %d\n", poller->realtime ? 1 : 0);
  std::printf("wait_cpu_percent: %.2f\n", poller->cpuPercent);
  return 0;
}
