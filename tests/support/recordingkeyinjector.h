#ifndef QUILLON_TESTS_RECORDINGKEYINJECTOR_H
#define QUILLON_TESTS_RECORDINGKEYINJECTOR_H

#include "keyinjector.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

// What the program asked to type, what the pipeline made of it, and where it paused.
struct KeyRecord
{
    QByteArray typed;
    QVector<KeyStroke> strokes;    // as handed to the backend
    QVector<int> pausesAfterCount; // for each pause, how many bytes had been typed before it

    // True when each typed byte, the last included, was followed by exactly one pause.
    bool pacedOnePausePerKey() const;
    // The strokes as text: Tab as a tab, Return as a line feed, characters as themselves.
    QString strokesAsText() const;
    void clear();
};

// The real typing pipeline with a backend that records instead of typing, and pauses that are
// recorded instead of waited.
class RecordingKeyInjector : public KeyInjector
{
public:
    explicit RecordingKeyInjector(std::shared_ptr<KeyRecord> record);

    void typeByte(unsigned char byte) override;
    void pauseAfterKey() override;

private:
    std::shared_ptr<KeyRecord> record;
};

#endif
