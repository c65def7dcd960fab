// One application and one main window for the whole test program, started
// like the real program but with an empty application folder, so neither
// default file is found.
#pragma once
#include "engine/window1.h"

// The main window after start-up; made on first use.
Window1& StartedWindow();
