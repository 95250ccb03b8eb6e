#include "typing/usernotices.h"

#include <cstdio>
#include <map>

namespace {

std::map<std::string, Trouble> saidThisEpisode;
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

void tellUser(const std::string &summary, const std::string &detail, Trouble trouble)
{
    if (!saidThisEpisode.emplace(summary, trouble).second)
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

void troublesAreOver(Troubles which)
{
    const auto sizeBefore = saidThisEpisode.size();
    for (auto said = saidThisEpisode.begin(); said != saidThisEpisode.end();) {
        if (which == Troubles::All || said->second == Trouble::EndsWithATypedLine)
            said = saidThisEpisode.erase(said);
        else
            ++said;
    }
    if (saidThisEpisode.size() == sizeBefore || !saidThisEpisode.empty())
        return;
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
