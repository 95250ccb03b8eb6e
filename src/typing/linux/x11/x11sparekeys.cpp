#include "typing/linux/x11/x11sparekeys.h"

#include "typing/linux/x11/x11errortrap.h"

#include <algorithm>
#include <thread>

X11SpareKeys::X11SpareKeys(Display *display, X11Layout &layout) : display(display), layout(layout)
{
}

void X11SpareKeys::findAmong(const X11Layout &current)
{
    for (auto binding = bindings.begin(); binding != bindings.end();) {
        if (current.firstSymbol(binding->first) == binding->second) {
            ++binding;
            continue;
        }
        lastUse.erase(binding->first);
        binding = bindings.erase(binding);
    }
    spares.clear();
    for (int code = current.minKeycode(); code <= current.maxKeycode(); ++code) {
        const KeyCode key = static_cast<KeyCode>(code);
        if (owns(key) || current.isEmptyKey(code))
            spares.push_back(key);
    }
}

KeyCode X11SpareKeys::bind(KeySym keysym)
{
    const KeyCode code =
        *std::min_element(spares.begin(), spares.end(),
                          [this](KeyCode a, KeyCode b) { return lastUse[a] < lastUse[b]; });
    const auto previous = lastUse[code];
    if (previous != Clock::time_point())
        std::this_thread::sleep_until(previous + safeAge);
    const int errorsBefore = X11ErrorTrap::errorCount(display);
    bindKeycode(code, keysym);
    XSync(display, False);
    if (X11ErrorTrap::errorCount(display) != errorsBefore)
        return 0;
    bindings[code] = keysym;
    return code;
}

void X11SpareKeys::used(KeyCode code)
{
    lastUse[code] = lastUseOfAny = Clock::now();
}

void X11SpareKeys::unbindAll()
{
    if (bindings.empty())
        return;
    std::this_thread::sleep_until(lastUseOfAny + exitGrace);
    if (layout.load())
        findAmong(layout);
    for (const auto &binding : bindings)
        bindKeycode(binding.first, NoSymbol);
    bindings.clear();
}

// Every level gets the symbol, so that Shift and Caps Lock cannot change it; a key whose levels
// are all alike gets one group, which serves whatever group is in force.
void X11SpareKeys::bindKeycode(KeyCode code, KeySym keysym)
{
    std::vector<KeySym> levels(static_cast<size_t>(layout.symbolsPerKeycode()), keysym);
    XChangeKeyboardMapping(display, code, layout.symbolsPerKeycode(), levels.data(), 1);
}
