#pragma once

#include "app/options.h"

namespace obzorka::app {

// The guide's window, run until it ends; returns the program's exit status. A build without
// the window toolkit has no window: it says so and ends with status 2.
int runWindow(int argc, char* argv[], const Options& options);

} // namespace obzorka::app
