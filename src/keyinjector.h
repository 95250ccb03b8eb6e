#ifndef QUILLON_KEYINJECTOR_H
#define QUILLON_KEYINJECTOR_H

#include "keybackend.h"
#include "keymapping.h"

#include <chrono>
#include <memory>
#include <string>

// The typing pipeline: turns received bytes into key strokes by the one byte policy, hands them
// to the platform's backend, and paces them. Free of Qt so that it can be built for any platform
// and tried on its own.
class KeyInjector
{
public:
    static constexpr std::chrono::milliseconds keyInterval{40};

    explicit KeyInjector(std::unique_ptr<KeyBackend> backend);
    virtual ~KeyInjector();

    // Called once before the bytes of each received line.
    void beginLine() { backend->prepareLine(); }

    // Types the key this byte stands for, if any; every byte takes its slot all the same.
    virtual void typeByte(unsigned char byte);

    // Blocks for the pause that paces the receiving application, after every byte. The interval
    // counts from when the backend has handed the key over (on X11: the server has taken it), so
    // that a key the system takes late is not followed too soon by the next.
    virtual void pauseAfterKey();

private:
    std::unique_ptr<KeyBackend> backend;
    ByteKeyMapper mapper;
    std::chrono::steady_clock::time_point keyHandedOver;
};

// The pipeline around the backend for this platform and session (see createKeyBackend).
std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform);

#endif
