#include "typing/usernotices.h"

#include <cstdio>
#include <mutex>
#include <set>

namespace {

// The portal's session reports from a thread of its own.
std::mutex noticesLock;
std::set<std::string> saidThisEpisode;
bool displayChosen = false;
NoticeDisplay *display = nullptr;

NoticeDisplay *currentDisplay()
{
    if (!displayChosen) {
        display = platformNoticeDisplay();
        displayChosen = true;
    }
    return display;
}

} // namespace

void tellUser(const std::string &summary, const std::string &detail)
{
    NoticeDisplay *shownOn = nullptr;
    {
        const std::lock_guard<std::mutex> lock(noticesLock);
        if (!saidThisEpisode.insert(summary).second)
            return;
        shownOn = currentDisplay();
    }
    if (detail.empty())
        std::fprintf(stderr, "quillon: %s\n", summary.c_str());
    else
        std::fprintf(stderr, "quillon: %s. %s\n", summary.c_str(), detail.c_str());
    if (shownOn)
        shownOn->show(summary, detail);
}

void troublesAreOver()
{
    NoticeDisplay *shownOn = nullptr;
    {
        const std::lock_guard<std::mutex> lock(noticesLock);
        if (saidThisEpisode.empty())
            return;
        saidThisEpisode.clear();
        shownOn = currentDisplay();
    }
    if (shownOn)
        shownOn->allClear();
}

void setNoticeDisplay(NoticeDisplay *replacement)
{
    const std::lock_guard<std::mutex> lock(noticesLock);
    display = replacement;
    displayChosen = true;
}

NoticeDisplay *noticeDisplay()
{
    const std::lock_guard<std::mutex> lock(noticesLock);
    return currentDisplay();
}
