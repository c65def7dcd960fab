// The microsecond clock. Only differences of two readings mean anything.
#pragma once

namespace fw {

// Monotonic clock in microseconds (with fractions), as a Double.
double Microseconds();

}  // namespace fw
