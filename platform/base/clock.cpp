// The monotonic microsecond clock.
#include "platform/base/clock.h"

#include <time.h>

namespace fw {

double Microseconds() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1e6 + static_cast<double>(ts.tv_nsec) / 1e3;
}

}  // namespace fw
