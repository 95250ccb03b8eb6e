#include "recordingkeyinjector.h"

bool KeyRecord::pacedOnePausePerKey() const
{
    if (pausesAfterCount.size() != typed.size())
        return false;
    for (int i = 0; i < pausesAfterCount.size(); ++i) {
        if (pausesAfterCount[i] != i + 1)
            return false;
    }
    return true;
}

void KeyRecord::clear()
{
    typed.clear();
    pausesAfterCount.clear();
}

void RecordingKeyInjector::sendKey(unsigned char byte)
{
    record->typed.append(static_cast<char>(byte));
}

void RecordingKeyInjector::pauseAfterKey()
{
    record->pausesAfterCount.append(record->typed.size());
}
