#pragma once

#include "DeviceEventSource.h"

#include <memory>
#include <vector>

// Where the program hears of the keyboard coming and going: the system's device events in the
// real program, the emulated keyboard's plug signals in the demo.
struct KeyboardWatch
{
    std::vector<std::unique_ptr<DeviceEventSource>> sources;
    // The keyboard is the emulated one, and the scene says so.
    bool emulated = false;
};

// Defined once per program: the platform's sources (k3watch) or the demo's (k3emudemo).
KeyboardWatch makeKeyboardWatch();
