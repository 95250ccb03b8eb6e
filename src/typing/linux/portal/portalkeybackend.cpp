// Typing through the desktop's RemoteDesktop portal (GNOME, KDE): the user consents once (and,
// where the portal can keep the permission, only the first time), and the compositor types
// keysyms, whatever the layout. The program does not wait for the answer to start.
#include "typing/keysyms.h"
#include "typing/linux/linuxkeybackends.h"
#include "typing/linux/portal/portalsession.h"

#include <QThread>

#include <future>

namespace {

class PortalKeyBackend : public KeyBackend
{
public:
    static constexpr std::chrono::milliseconds answerGrace{200};

    explicit PortalKeyBackend(FallBack fallBack) : fallBack(std::move(fallBack))
    {
        answer = outcome.get_future();
        // The answer is taken up on this (the GUI) thread as soon as it comes, so that a refusal
        // is said, and the fallback ready, before any line arrives.
        portal = createPortalSession(outcome, [this] {
            QMetaObject::invokeMethod(
                &answerContext, [this] { takeAnswer(); }, Qt::QueuedConnection);
        });
        portal->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, portal, &QObject::deleteLater);
        thread.start();
        QMetaObject::invokeMethod(portal, "begin", Qt::QueuedConnection);
    }

    ~PortalKeyBackend() override
    {
        thread.quit();
        thread.wait();
    }

    PortalKeyBackend(const PortalKeyBackend &) = delete;
    PortalKeyBackend &operator=(const PortalKeyBackend &) = delete;

    // Where the focus is once the user has answered the consent dialog is not known: the line
    // that had to wait for the answer is not typed. A portal that hands back a kept permission
    // answers well within the grace, and the line goes out.
    bool prepareLine() override
    {
        keepLineBack = !answered && answer.wait_for(answerGrace) != std::future_status::ready;
        takeAnswer();
        if (instead)
            return instead->prepareLine();
        return !lost && stillTakesKeys();
    }

    KeyVerdict verdictFor(const KeyStroke &stroke, const OwnWindows &own) override
    {
        return instead ? instead->verdictFor(stroke, own) : KeyBackend::verdictFor(stroke, own);
    }

    bool bindKeyIfLacking(const KeyStroke &stroke) override
    {
        return instead && instead->bindKeyIfLacking(stroke);
    }

    bool pressAndRelease(const KeyStroke &stroke) override
    {
        if (keepLineBack) {
            tellUser(noticeText(QT_TRANSLATE_NOOP(
                         "Notices",
                         "Quillon did not type a reading that came while the desktop asked for "
                         "permission")),
                     noticeText(QT_TRANSLATE_NOOP(
                         "Notices",
                         "Where the keyboard focus is after the question is not known. The reading "
                         "is in Quillon's data log.")),
                     NoticeEnd::LineTyped);
            return false;
        }
        if (instead)
            return instead->pressAndRelease(stroke);
        if (lost)
            return false;
        const int keysym = static_cast<int>(keysymFor(stroke));
        bool typed = false;
        QMetaObject::invokeMethod(portal, "typeKeysym", Qt::BlockingQueuedConnection,
                                  Q_RETURN_ARG(bool, typed), Q_ARG(int, keysym));
        lost = !typed;
        return typed;
    }

private:
    // The desktop may have ended the session since the last line. Asked on the portal's thread,
    // so that the answer follows whatever the portal has said meanwhile.
    bool stillTakesKeys()
    {
        bool open = false;
        QMetaObject::invokeMethod(portal, "takesKeys", Qt::BlockingQueuedConnection,
                                  Q_RETURN_ARG(bool, open));
        lost = !open;
        return open;
    }

    // Waits for the user's answer if it has not come yet; the conversation ends itself when the
    // portal does not answer in time.
    void takeAnswer()
    {
        if (answered)
            return;
        answered = true;
        const PortalOutcome refused = answer.get();
        if (!refused.whyNot.isEmpty())
            instead = fallBack(refused.whyNot.toStdString(), refused.mayAskAgain);
    }

    FallBack fallBack;
    std::promise<PortalOutcome> outcome;
    std::future<PortalOutcome> answer;
    // Where the answer is delivered: on the thread this object lives on (the GUI's), and never
    // after this backend is gone.
    QObject answerContext;
    QThread thread;
    QObject *portal; // owned by the thread: deleted when it finishes
    bool answered = false;
    bool lost = false;
    bool keepLineBack = false;
    std::unique_ptr<KeyBackend> instead;
};

} // namespace

std::unique_ptr<KeyBackend> createPortalKeyBackend(std::string &whyNot, FallBack fallBack)
{
    if (!portalReachable()) {
        whyNot = noticeText(QT_TRANSLATE_NOOP("Notices", "no desktop portal on the session bus"));
        return nullptr;
    }
    return std::make_unique<PortalKeyBackend>(std::move(fallBack));
}
