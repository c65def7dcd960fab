// The last line of defence around program code run for an event: an
// exception that escapes a handler is reported and the event loop goes on.
// Handlers check their input and report their own failures; reaching this is
// a program fault, said as such rather than ending the program and every
// unsaved change with it.
#pragma once
#include <string>
#include <type_traits>
#include <utility>

namespace fw::detail {

// Reports the exception being handled: on stderr, and in a message box
// unless `quiet` (a paint would raise it again on every repaint) or one such
// box is open already.
void ReportEscaped(const std::string& what, bool quiet) noexcept;

// Runs f; when it throws, reports and returns the fallback (a default value).
template <class F>
auto DeliverGuarded(const std::string& what, F&& f, bool quiet = false) noexcept {
  using R = std::invoke_result_t<F>;
  try {
    return std::forward<F>(f)();
  } catch (...) {
    ReportEscaped(what, quiet);
    if constexpr (!std::is_void_v<R>) return R{};
  }
}

}  // namespace fw::detail
