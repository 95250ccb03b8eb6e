#ifndef QUILLON_TESTS_RECORDINGKEYINJECTOR_H
#define QUILLON_TESTS_RECORDINGKEYINJECTOR_H

#include "typing/keyinjector.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

// What the program asked to type, what the pipeline made of it, and where it paused.
struct KeyRecord
{
    QByteArray typed;           // the bytes of every line handed to the pipeline
    QVector<KeyStroke> strokes; // as handed to the backend
    QByteArray pacing;          // 'k' for each stroke, '.' for each 40 ms pause, '?' for another

    // True when each typed byte, the last included, was followed by exactly one 40 ms pause.
    bool pacedOnePausePerKey() const;
    int pauses() const { return pacing.count('.') + pacing.count('?'); }
    // The strokes as text: Tab as a tab, Return as a line feed, characters as themselves.
    QString strokesAsText() const;
    void clear();
};

// The real typing pipeline with a backend that records instead of typing, on a clock that
// records the pauses instead of waiting.
class RecordingKeyInjector : public KeyInjector
{
public:
    explicit RecordingKeyInjector(std::shared_ptr<KeyRecord> record);

    using KeyInjector::typeLine;
    std::string typeLine(std::string_view bytes, LineEnds lineEnds) override;

private:
    std::shared_ptr<KeyRecord> record;
};

#endif
