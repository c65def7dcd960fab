// Internal to the platform layer: hooks the parts of the platform call on
// each other.
#pragma once

namespace fw::detail {

// Gives the baton to the main thread and lets it go whenever the main event
// loop (or the loop of a modal dialog) is about to wait, taking it back when
// the loop wakes or delivers something. Called once the QApplication exists.
void InstallMainThreadBaton();

// Whether this is the thread that called InstallMainThreadBaton.
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
