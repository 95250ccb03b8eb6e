#include "notices/notices.h"

#include "notices/platform.h"

#include <cstdio>
#include <map>
#include <utility>

namespace {

using Said = std::pair<std::string, std::string>; // summary, detail

std::map<Said, NoticeEnd> lasting;
NoticeTranslator translator;
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

template <typename Ends> void endWhere(Ends ends)
{
    const auto sizeBefore = lasting.size();
    for (auto said = lasting.begin(); said != lasting.end();)
        said = ends(*said) ? lasting.erase(said) : std::next(said);
    if (lasting.empty() && lasting.size() != sizeBefore && currentDisplay())
        currentDisplay()->allClear();
}

} // namespace

void tellUser(const std::string &summary, const std::string &detail, NoticeEnd end)
{
    if (!lasting.emplace(Said(summary, detail), end).second)
        return;
    if (detail.empty())
        std::fprintf(stderr, "quillon: %s\n", summary.c_str());
    else
        std::fprintf(stderr, "quillon: %s. %s\n", summary.c_str(), detail.c_str());
    if (NoticeDisplay *shownOn = currentDisplay())
        shownOn->show(summary, detail);
}

void noticesEnd(NoticeEnd what)
{
    endWhere([what](const auto &said) { return said.second == what; });
}

void endNotice(const std::string &summary)
{
    endWhere([&summary](const auto &said) { return said.first.first == summary; });
}

void endAllNotices()
{
    endWhere([](const auto &) { return true; });
}

std::string noticeText(const char *english, std::initializer_list<std::string> arguments)
{
    const std::string pattern = translator ? translator(english) : english;
    std::string text;
    for (size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const bool numbered = pattern[at] == '%' && next >= '1' && next <= '9' &&
                              static_cast<size_t>(next - '1') < arguments.size();
        if (numbered) {
            text += arguments.begin()[next - '1'];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

void setNoticeTranslator(NoticeTranslator replacement)
{
    translator = std::move(replacement);
}

void setNoticeDisplay(NoticeDisplay *replacement)
{
    lasting.clear();
    display = replacement;
    displayChosen = true;
}
