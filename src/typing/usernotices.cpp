#include "typing/usernotices.h"

#include <cstdio>
#include <set>

namespace {

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
    if (!saidThisEpisode.insert(summary).second)
        return;
    if (detail.empty())
        std::fprintf(stderr, "quillon: %s\n", summary.c_str());
    else
        std::fprintf(stderr, "quillon: %s. %s\n", summary.c_str(), detail.c_str());
    if (NoticeDisplay *shownOn = currentDisplay())
        shownOn->show(summary, detail);
}

void troubleIsOver(const std::string &summary)
{
    saidThisEpisode.erase(summary);
}

void troublesAreOver()
{
    if (saidThisEpisode.empty())
        return;
    saidThisEpisode.clear();
    if (NoticeDisplay *shownOn = currentDisplay())
        shownOn->allClear();
}

void setNoticeDisplay(NoticeDisplay *replacement)
{
    display = replacement;
    displayChosen = true;
}

NoticeDisplay *noticeDisplay()
{
    return currentDisplay();
}
