// The main thread's side of the baton, for the event loop of platform/ui:
// internal to the platform layer.
#pragma once

namespace fw::detail {

// Makes the calling thread the main thread and gives it the baton.
void BecomeMainThread();
// For the event loop (or the loop of a modal dialog) that is about to wait:
// puts the main thread's holds aside and lets the baton go.
void LetGoWhileWaiting();
// For the loop that woke: takes the holds put aside back. Whatever the loop
// delivers takes them back on its own (DeliveryHold), so waking is only the
// earliest moment to do so.
void TakeBackOnWaking();

// Whether this is the thread that called BecomeMainThread.
bool OnMainThread();

// Holds the baton around one delivery of the main thread's event loop, nested
// in whatever holds it already; does nothing on Qt's own threads, which run no
// program code and which the main thread may be waiting for.
class DeliveryHold {
 public:
  DeliveryHold();
  ~DeliveryHold();
  DeliveryHold(const DeliveryHold&) = delete;
  DeliveryHold& operator=(const DeliveryHold&) = delete;

 private:
  int before_;  // -1 off the main thread
};

}  // namespace fw::detail
