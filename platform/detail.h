// Internal to the platform layer: hooks the parts of the platform call on
// each other.
#pragma once

namespace fw::detail {

// Gives the baton to the main thread and lets it go whenever the main event
// loop (or the loop of a modal dialog) is about to wait, taking it back when
// the loop wakes. Called once the QApplication exists.
void InstallMainThreadBaton();

}  // namespace fw::detail
