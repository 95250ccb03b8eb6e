#ifndef QUILLON_TYPING_KEYSYMS_H
#define QUILLON_TYPING_KEYSYMS_H

#include "typing/keymapping.h"

#include <cstdint>
#include <vector>

// X11, the Wayland virtual keyboard and the portal all name keys by X keysyms.

// The keysym that types this stroke; Latin-1 keysyms carry the character's code point.
std::uint32_t keysymFor(const KeyStroke &stroke);

// Every keysym the byte policy can produce, each once, in byte order.
std::vector<std::uint32_t> typableKeysyms();

#endif
