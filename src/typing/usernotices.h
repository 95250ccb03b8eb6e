#ifndef QUILLON_TYPING_USERNOTICES_H
#define QUILLON_TYPING_USERNOTICES_H

#include <string>

// Where the user sees what they must know without a box in the way of typing: a desktop
// notification, or one of the program's tray icon. stderr alone is not enough, since a Windows
// GUI program has none that anyone reads.
class NoticeDisplay
{
public:
    virtual ~NoticeDisplay() = default;
    virtual void show(const std::string &summary, const std::string &detail) = 0;
    // Everything said has been put right (see troublesAreOver).
    virtual void allClear() {}
};

// Tells the user something on stderr and on the notice display, once per episode: a summary
// already said is not said again until a line has been typed in full, so that a trouble that
// lasts is said once, not once per line or per key, and is said anew if it comes back. Called on
// the GUI thread, as everything here.
// A trouble that lines typed in full do not end (a keyboard map without a spare key) lasts until
// troubleIsOver says so.
enum class Trouble
{
    EndsWithATypedLine,
    Lasts,
};
void tellUser(const std::string &summary, const std::string &detail,
              Trouble trouble = Trouble::EndsWithATypedLine);

// The trouble said with `summary` is over (its cause went away), so it is said anew if it comes
// back.
void troubleIsOver(const std::string &summary);

// Every trouble said so far is over: when a line went out in full, all but those that last; when
// the typing pipeline is gone, all.
enum class Troubles
{
    ButThoseThatLast,
    All,
};
void troublesAreOver(Troubles which = Troubles::ButThoseThatLast);

// Replaces the display notices go to (null: stderr alone). The platform's own comes first: the
// desktop's notifications on Linux; none on Windows, where the program's tray icon shows them.
void setNoticeDisplay(NoticeDisplay *display);
NoticeDisplay *noticeDisplay();

// The platform's own notice display, or null where the program must show notices itself.
NoticeDisplay *platformNoticeDisplay();

#endif
