#ifndef QUILLON_TESTS_RECORDINGKEYINJECTOR_H
#define QUILLON_TESTS_RECORDINGKEYINJECTOR_H

#include "keyinjector.h"

#include <QByteArray>
#include <QVector>

#include <memory>

// What the program asked to type, and where it paused.
struct KeyRecord
{
    QByteArray typed;
    QVector<int> pausesAfterCount; // for each pause, how many bytes had been typed before it

    // True when each typed byte, the last included, was followed by exactly one pause.
    bool pacedOnePausePerKey() const;
    void clear();
};

class RecordingKeyInjector : public KeyInjector
{
public:
    explicit RecordingKeyInjector(std::shared_ptr<KeyRecord> record) : record(std::move(record)) {}

    void pauseAfterKey() override;

protected:
    void sendKey(unsigned char byte) override;

private:
    std::shared_ptr<KeyRecord> record;
};

#endif
