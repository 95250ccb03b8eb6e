#ifndef QUILLON_TESTS_RECORDINGNOTICEDISPLAY_H
#define QUILLON_TESTS_RECORDINGNOTICEDISPLAY_H

#include "notices/notices.h"

#include <QStringList>

// Records what the user is shown, in its place for as long as it lives.
class RecordingNoticeDisplay : public NoticeDisplay
{
public:
    RecordingNoticeDisplay() { setNoticeDisplay(this); }
    ~RecordingNoticeDisplay() override { setNoticeDisplay(nullptr); }

    void show(const std::string &summary, const std::string &detail) override
    {
        shown << QString::fromStdString(summary + ". " + detail);
    }
    void allClear() override { shown << QStringLiteral("(all clear)"); }

    QStringList shown;
};

#endif
