#include "typing/keyinjector.h"

#include "typing/platform.h"

#include <algorithm>
#include <thread>

void KeyClock::waitUntil(TimePoint due)
{
    // A sleeping thread often wakes a millisecond or more late; the last stretch is waited out
    // awake, so that the receiving application gets its keys evenly spaced.
    constexpr std::chrono::microseconds wakeUpMargin{1500};
    std::this_thread::sleep_until(due - wakeUpMargin);
    while (std::chrono::steady_clock::now() < due) {
    }
}

namespace {

class NoOwnWindows : public OwnWindows
{
public:
    bool oneIsActive() const override { return false; }
    bool owns(std::uintptr_t) const override { return false; }
};

const NoOwnWindows noOwnWindows;

bool givesAKey(ByteKeyMapper mapper, std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [&mapper](char byte) {
        return mapper.map(static_cast<unsigned char>(byte)).key != KeyStroke::Key::NoKey;
    });
}

void tellOfOwnWindow()
{
    tellUser(
        noticeText(QT_TRANSLATE_NOOP("Notices", "Quillon's own window has the keyboard focus")),
        noticeText(QT_TRANSLATE_NOOP(
            "Notices",
            "Click into the application that should receive the readings. What was not typed "
            "is in Quillon's data log.")),
        NoticeEnd::LineTyped);
}

} // namespace

KeyInjector::KeyInjector(std::unique_ptr<KeyBackend> backend, std::unique_ptr<KeyClock> clock)
    : backend(std::move(backend)), clock(std::move(clock)), ownWindows(&noOwnWindows)
{
}

// What went wrong while this pipeline typed ends with it.
KeyInjector::~KeyInjector()
{
    noticesEnd(NoticeEnd::LineTyped);
    noticesEnd(NoticeEnd::ItsCause);
}

void KeyInjector::setOwnWindows(const OwnWindows *windows)
{
    ownWindows = windows ? windows : &noOwnWindows;
}

std::string KeyInjector::typeLine(std::string_view bytes, LineEnds lineEnds)
{
    ByteKeyMapper mapper(lineEnds);
    // A line that gives no key (the LF of a CR LF come on its own, control bytes) can reach no
    // window: whichever has the focus is of no concern, and it ends no trouble.
    const bool givesKeys = givesAKey(mapper, bytes);
    if (!backend->prepareLine())
        return std::string(bytes);
    if (bindKeyForNextSlot(mapper, bytes))
        clock->waitUntil(clock->now() + keyInterval);
    for (size_t index = 0; index < bytes.size(); ++index) {
        const KeyStroke stroke = mapper.map(static_cast<unsigned char>(bytes[index]));
        if (stroke.key != KeyStroke::Key::NoKey &&
            (!keyMayGoOut(stroke) || !backend->pressAndRelease(stroke)))
            return std::string(bytes.substr(index));
        const KeyClock::TimePoint due = clock->now() + keyInterval;
        const bool remapped = bindKeyForNextSlot(mapper, bytes.substr(index + 1));
        // A binding that had to wait for a spare key to come free may end after `due`; its key
        // still gets a whole pause after it.
        clock->waitUntil(remapped ? std::max(due, clock->now() + keyInterval) : due);
    }
    if (givesKeys)
        noticesEnd(NoticeEnd::LineTyped);
    return {};
}

// The pause before a key is where its key binding goes.
bool KeyInjector::bindKeyForNextSlot(const ByteKeyMapper &mapper, std::string_view rest)
{
    return !rest.empty() && backend->bindKeyIfLacking(ByteKeyMapper(mapper).map(
                                static_cast<unsigned char>(rest.front())));
}

// The one decision before each key, the first of a line included, asked of the platform, which
// knows where the focus is now rather than where the GUI last heard it was. Someone else's modifier
// is never let go and pressed again for them (if they let go meanwhile, that press would leave it
// stuck); the key waits instead, as a careful typist would, looking every modifierPoll, and the
// focus is looked at each time too.
bool KeyInjector::keyMayGoOut(const KeyStroke &stroke)
{
    const KeyClock::TimePoint giveUpAt = clock->now() + modifierWait;
    for (;;) {
        switch (backend->verdictFor(stroke, *ownWindows)) {
        case KeyVerdict::Go:
            return true;
        case KeyVerdict::StopOwnWindow:
            tellOfOwnWindow();
            return false;
        case KeyVerdict::WaitForModifier:
            break;
        }
        if (clock->now() >= giveUpAt) {
            tellUser(noticeText(QT_TRANSLATE_NOOP("Notices", "Quillon did not type a reading")),
                     noticeText(QT_TRANSLATE_NOOP(
                         "Notices",
                         "A modifier key (Shift, Ctrl, Alt, AltGr or the Windows key) stayed held "
                         "down, which would have turned the reading into shortcuts. What was not "
                         "typed is in Quillon's data log.")),
                     NoticeEnd::LineTyped);
            return false;
        }
        clock->waitUntil(clock->now() + modifierPoll);
    }
}

std::unique_ptr<KeyInjector> createKeyInjector(const std::string &guiPlatform)
{
    return std::make_unique<KeyInjector>(createKeyBackend(guiPlatform), createKeyClock());
}

namespace {

class UnavailableKeyBackend : public KeyBackend
{
public:
    explicit UnavailableKeyBackend(const std::string &reason)
    {
        tellUser(
            noticeText(QT_TRANSLATE_NOOP("Notices", "Quillon cannot type into other applications")),
            noticeText(QT_TRANSLATE_NOOP(
                           "Notices", "%1. Received data is not typed but shown in the data log."),
                       {reason}),
            NoticeEnd::ItsCause);
    }

    bool prepareLine() override { return false; }
    bool pressAndRelease(const KeyStroke &) override { return false; }
};

} // namespace

std::unique_ptr<KeyBackend> createUnavailableKeyBackend(const std::string &reason)
{
    return std::make_unique<UnavailableKeyBackend>(reason);
}
