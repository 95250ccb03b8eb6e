#include "recordingkeyinjector.h"

namespace {

class RecordingKeyBackend : public KeyBackend
{
public:
    explicit RecordingKeyBackend(std::shared_ptr<KeyRecord> record) : record(std::move(record)) {}

    void pressAndRelease(const KeyStroke &stroke) override { record->strokes.append(stroke); }

private:
    std::shared_ptr<KeyRecord> record;
};

} // namespace

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
    pausesAfterCount.clear();
}

RecordingKeyInjector::RecordingKeyInjector(std::shared_ptr<KeyRecord> record)
    : KeyInjector(std::make_unique<RecordingKeyBackend>(record)), record(std::move(record))
{
}

void RecordingKeyInjector::typeByte(unsigned char byte)
{
    record->typed.append(static_cast<char>(byte));
    KeyInjector::typeByte(byte);
}

void RecordingKeyInjector::pauseAfterKey()
{
    record->pausesAfterCount.append(record->typed.size());
}
