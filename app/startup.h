// The program's start-up and shutdown, step by step, so that each step can be
// run and checked on its own.
#pragma once
#include <functional>
#include <memory>
#include <string_view>

class App;

namespace startup {

// Creates the named file types, the application object with its menu bar,
// registers it and binds the About item. Returns the application object, which
// the caller keeps until the end.
std::unique_ptr<App> MakeApplication();

// Starts the sound output; without a device the program runs silent.
void StartAudio();

// Creates, lays out, opens and shows the main window.
void MakeDefaultView();

// Runs the event loop until Quit (the Quit item or closing the main window).
int RunEventLoop(App& app);

// After the event loop: releases the assets (in table order), the windows,
// the menu bar and the file types, in that order.
void Finalize();

// Tests: observe each release step of Finalize by name ("assets", "windows",
// "menu bar", "file types"). Pass an empty function to stop observing.
void SetReleaseObserver(std::function<void(std::string_view step)> observer);

}  // namespace startup
