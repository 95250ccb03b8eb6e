#ifndef QUILLON_TYPING_PLATFORM_H
#define QUILLON_TYPING_PLATFORM_H

#include "typing/keyinjector.h"

#include <memory>
#include <string>

// What each platform's folder here provides.

// The backend for the platform and session this process runs in, given the name of the GUI
// platform in use ("xcb", "wayland", ...); where there is more than one way (Linux), it says on
// stderr which it chose and why. Never null: where nothing can be typed, the result tells the
// user so and types nothing.
std::unique_ptr<KeyBackend> createKeyBackend(const std::string &guiPlatform);

// The clock the platform's pipeline waits on.
std::unique_ptr<KeyClock> createKeyClock();

#endif
