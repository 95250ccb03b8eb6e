#ifndef QUILLON_TESTS_MESSAGEBOXCATCHER_H
#define QUILLON_TESTS_MESSAGEBOXCATCHER_H

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <QVector>

#include <functional>

// Watches for modal message boxes, notes what they said and dismisses them with their first button.
class MessageBoxCatcher : public QObject
{
public:
    struct SeenBox
    {
        QString title;
        QString text;
        QString informativeText;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool mainWindowWasVisible;
    };

    MessageBoxCatcher();

    QVector<SeenBox> seen;
    // Runs while a box is up, before it is dismissed.
    std::function<void()> whileUp;

private:
    void dismissActiveBox();

    QTimer poll;
};

#endif
