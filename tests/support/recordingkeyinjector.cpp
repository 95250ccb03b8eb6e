#include "recordingkeyinjector.h"

namespace {

class RecordingKeyBackend : public KeyBackend
{
public:
    explicit RecordingKeyBackend(std::shared_ptr<KeyRecord> record) : record(std::move(record)) {}

    bool pressAndRelease(const KeyStroke &stroke) override
    {
        record->strokes.append(stroke);
        record->pacing.append('k');
        return true;
    }

private:
    std::shared_ptr<KeyRecord> record;
};

class RecordingClock : public KeyClock
{
public:
    explicit RecordingClock(std::shared_ptr<KeyRecord> record) : record(std::move(record)) {}

    TimePoint now() override { return time; }
    void waitUntil(TimePoint due) override
    {
        record->pacing.append(due - time == KeyInjector::keyInterval ? '.' : '?');
        time = due;
    }

private:
    std::shared_ptr<KeyRecord> record;
    TimePoint time;
};

} // namespace

bool KeyRecord::pacedOnePausePerKey() const
{
    return !pacing.contains('?') && !pacing.contains("kk") && pauses() == typed.size() &&
           (pacing.isEmpty() || pacing.endsWith('.'));
}

QString KeyRecord::strokesAsText() const
{
    QString text;
    for (const KeyStroke &stroke : strokes) {
        if (stroke.key == KeyStroke::Key::Tab)
            text += QLatin1Char('\t');
        else if (stroke.key == KeyStroke::Key::Return)
            text += QLatin1Char('\n');
        else
            text += QChar(static_cast<ushort>(stroke.character));
    }
    return text;
}

void KeyRecord::clear()
{
    typed.clear();
    strokes.clear();
    pacing.clear();
}

RecordingKeyInjector::RecordingKeyInjector(std::shared_ptr<KeyRecord> record)
    : KeyInjector(std::make_unique<RecordingKeyBackend>(record),
                  std::make_unique<RecordingClock>(record)),
      record(std::move(record))
{
}

std::string RecordingKeyInjector::typeLine(std::string_view bytes, LineEnds lineEnds)
{
    record->typed.append(bytes.data(), static_cast<int>(bytes.size()));
    return KeyInjector::typeLine(bytes, lineEnds);
}
