#ifndef QUILLON_NOTICES_NOTICES_H
#define QUILLON_NOTICES_NOTICES_H

#include <functional>
#include <initializer_list>
#include <string>

// Marks an English text of code without Qt for translation; lupdate finds it by this name.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// What the user must know without a box in the way of typing, said on stderr and on the
// platform's notice display. A notice is said once while its trouble lasts, and said anew once
// the trouble is over and comes back; a notice with another detail (another setting, another
// reason) is another notice. Everything here runs on the GUI thread.

// What puts a trouble right.
enum class NoticeEnd
{
    LineTyped,  // a reading with keys went out in full
    PortOpened, // a port opened
    LineEnd,    // the device ended a line
    UserAction, // the user chose a port, a line setting or the connection anew
    ItsCause,   // whoever said it ends it (endNotice), or the typing pipeline's end does
};

void tellUser(const std::string &summary, const std::string &detail, NoticeEnd end);

// Every notice that `what` puts right is over.
void noticesEnd(NoticeEnd what);

// The notices said with `summary`, whatever their detail, are over.
void endNotice(const std::string &summary);

// Every notice is over: the program is done with what it said.
void endAllNotices();

// Where notices are shown besides stderr.
class NoticeDisplay
{
public:
    virtual ~NoticeDisplay() = default;
    virtual void show(const std::string &summary, const std::string &detail) = 0;
    // No notice is left: everything said has been put right.
    virtual void allClear() {}
};

// A text marked QT_TRANSLATE_NOOP("Notices", ...) in the user's language, with %1, %2, ...
// replaced by `arguments` in turn.
std::string noticeText(const char *english, std::initializer_list<std::string> arguments = {});

// Sets what puts an English text into the user's language (none: English stays).
using NoticeTranslator = std::function<std::string(const char *english)>;
void setNoticeTranslator(NoticeTranslator translator);

// Replaces the display notices go to (null: stderr alone) and forgets what was said. The
// platform's own is used until then.
void setNoticeDisplay(NoticeDisplay *display);

#endif
